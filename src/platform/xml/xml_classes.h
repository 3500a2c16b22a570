// Registration of the DOM document with the ProgID factory under the names
// scripts create it by: "Microsoft.XMLDOM", "MSXML2.DOMDocument" (and the
// versioned "MSXML2.DOMDocument.3.0"). Called explicitly by whoever sets up
// the factory; static libraries have no static initialisers that could do it.
#pragma once

namespace corvela::xml {

void registerXmlClasses();

}  // namespace corvela::xml
