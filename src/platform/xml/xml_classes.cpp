// Registration of the DOM document ProgIDs.
#include "platform/xml/xml_classes.h"

#include "platform/automation/progid_factory.h"
#include "platform/xml/xml_node.h"

namespace corvela::xml {

void registerXmlClasses() {
  for (const char* progId : {"Microsoft.XMLDOM", "MSXML2.DOMDocument", "MSXML2.DOMDocument.3.0"})
    registerClass(progId, [] { return XmlNode::newDocument(); });
}

}  // namespace corvela::xml
