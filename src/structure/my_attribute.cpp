// The member table of myAttribute.
#include "structure/my_attribute.h"

#include "platform/automation/member_binding.h"

namespace corvela::structure {

const DispatchTable<myAttribute>& myAttribute::dispatchTable() {
  static const DispatchTable<myAttribute> table = Members<myAttribute>()
      .property<&myAttribute::Name, &myAttribute::setName>("Name")
      .property<&myAttribute::Value, &myAttribute::setValue>("Value")
      .build();
  return table;
}

}  // namespace corvela::structure
