' Text comparison (vbTextCompare) follows the en-US collation; binary follows code units.
' locale: en-US
WScript.Echo StrComp("ä", "b", vbTextCompare), StrComp("ä", "b", vbBinaryCompare), StrComp("Z", "ä", vbTextCompare), StrComp("Z", "ä", vbBinaryCompare)
WScript.Echo StrComp("é", "f", vbTextCompare), StrComp("Ä", "ä", vbTextCompare), StrComp("b", "A", vbTextCompare), StrComp("b", "A", vbBinaryCompare)
