' known-gap: text comparison orders by the locale's collation (ä beside a), not by folded code points
' Text comparison (vbTextCompare) follows the en-US collation; binary follows code units.
' locale: en-US
WScript.Echo StrComp("ä", "b", vbTextCompare), StrComp("ä", "b", vbBinaryCompare), StrComp("Z", "ä", vbTextCompare), StrComp("Z", "ä", vbBinaryCompare)
WScript.Echo StrComp("é", "f", vbTextCompare), StrComp("Ä", "ä", vbTextCompare), StrComp("b", "A", vbTextCompare), StrComp("b", "A", vbBinaryCompare)
