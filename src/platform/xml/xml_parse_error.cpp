// The parse error's members.
#include "platform/xml/xml_parse_error.h"

#include "platform/automation/member_binding.h"

namespace corvela::xml {

const DispatchTable<XmlParseError>& XmlParseError::dispatchTable() {
  static const DispatchTable<XmlParseError> table = Members<XmlParseError>()
      .readOnly<&XmlParseError::errorCode>("errorCode").asDefault()
      .readOnly<&XmlParseError::reason>("reason")
      .readOnly<&XmlParseError::srcText>("srcText")
      .readOnly<&XmlParseError::url>("url")
      .readOnly<&XmlParseError::line>("line")
      .readOnly<&XmlParseError::linepos>("linepos")
      .readOnly<&XmlParseError::filepos>("filepos")
      .build();
  return table;
}

}  // namespace corvela::xml
