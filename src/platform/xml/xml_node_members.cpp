// The script-visible members of DOM nodes and documents.
#include "platform/automation/member_binding.h"
#include "platform/xml/xml_attribute.h"
#include "platform/xml/xml_node.h"
#include "platform/xml/xml_node_list.h"
#include "platform/xml/xml_parse_error.h"

namespace corvela::xml {

const DispatchTable<XmlNode>& XmlNode::dispatchTable() {
  static const DispatchTable<XmlNode> table = Members<XmlNode>()
      // Every node.
      .readOnly<&XmlNode::nodeName>("nodeName")
      .readOnly<&XmlNode::nodeName>("baseName")
      .readOnly<&XmlNode::nodeType>("nodeType")
      .property<&XmlNode::nodeValue, &XmlNode::setNodeValue>("nodeValue")
      .property<&XmlNode::text, &XmlNode::setText>("text")
      .readOnly<&XmlNode::xml>("xml")
      .readOnly<&XmlNode::parentNode>("parentNode")
      .readOnly<&XmlNode::childNodes>("childNodes")
      .readOnly<&XmlNode::firstChild>("firstChild")
      .readOnly<&XmlNode::lastChild>("lastChild")
      .readOnly<&XmlNode::previousSibling>("previousSibling")
      .readOnly<&XmlNode::nextSibling>("nextSibling")
      .readOnly<&XmlNode::attributes>("attributes")
      .readOnly<&XmlNode::ownerDocument>("ownerDocument")
      .method<&XmlNode::hasChildNodes>("hasChildNodes")
      .method<&XmlNode::appendChild>("appendChild")
      .method<&XmlNode::insertBefore>("insertBefore", {Variant::missing()})
      .method<&XmlNode::removeChild>("removeChild")
      .method<&XmlNode::replaceChild>("replaceChild")
      .method<&XmlNode::cloneNode>("cloneNode")
      .method<&XmlNode::selectSingleNode>("selectSingleNode")
      .method<&XmlNode::selectNodes>("selectNodes")
      .method<&XmlNode::getElementsByTagName>("getElementsByTagName")
      // Elements.
      .readOnly<&XmlNode::tagName>("tagName")
      .method<&XmlNode::getAttribute>("getAttribute")
      .method<&XmlNode::setAttribute>("setAttribute")
      .method<&XmlNode::removeAttribute>("removeAttribute")
      .method<&XmlNode::getAttributeNode>("getAttributeNode")
      .method<&XmlNode::setAttributeNode>("setAttributeNode")
      // Documents.
      .method<&XmlNode::loadXML>("loadXML")
      .method<&XmlNode::load>("load")
      .readOnly<&XmlNode::parseError>("parseError")
      .property<&XmlNode::documentElement, &XmlNode::setDocumentElement>("documentElement")
      .method<&XmlNode::createElement>("createElement")
      .method<&XmlNode::createAttribute>("createAttribute")
      .method<&XmlNode::createTextNode>("createTextNode")
      .method<&XmlNode::createCDATASection>("createCDATASection")
      .method<&XmlNode::createComment>("createComment")
      .method<&XmlNode::createProcessingInstruction>("createProcessingInstruction")
      .property<&XmlNode::async, &XmlNode::setAsync>("async")
      .property<&XmlNode::preserveWhiteSpace, &XmlNode::setPreserveWhiteSpace>("preserveWhiteSpace")
      .property<&XmlNode::validateOnParse, &XmlNode::setValidateOnParse>("validateOnParse")
      .property<&XmlNode::resolveExternals, &XmlNode::setResolveExternals>("resolveExternals")
      .method<&XmlNode::setProperty>("setProperty")
      .build();
  return table;
}

}  // namespace corvela::xml
