// Property's member table.
#include "structure/property.h"

#include "platform/automation/member_binding.h"

namespace corvela::structure {

const DispatchTable<Property>& Property::dispatchTable() {
  static const DispatchTable<Property> table = Members<Property>()
      .property<&Property::PropertyID, &Property::setPropertyID>("PropertyID")
      .property<&Property::PropertyName, &Property::setPropertyName>("PropertyName")
      .property<&Property::Alias, &Property::setAlias>("Alias")
      .property<&Property::PropertyType, &Property::setPropertyType>("PropertyType")
      .property<&Property::InputType, &Property::setInputType>("InputType")
      .property<&Property::Options, &Property::setOptions>("Options")
      .build();
  return table;
}

}  // namespace corvela::structure
