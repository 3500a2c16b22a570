' String built-ins, code points rather than bytes.
WScript.Echo Len("héllo"), Len(""), Len(12345)
WScript.Echo Mid("abcdef", 2, 3), Mid("abcdef", 4), Left("abc", 2), Right("abc", 2)
WScript.Echo InStr("abcabc", "c"), InStr(4, "abcabc", "c"), InStr("abc", "z"), InStrRev("abcabc", "c")
WScript.Echo InStr(1, "ABC", "b", 1), InStr(1, "ABC", "b", 0)
WScript.Echo Replace("aXbXc", "X", "-"), Replace("aXbXc", "x", "-", 1, -1, 1), Replace("aXbXc", "X", "-", 1, 1)
WScript.Echo UCase("abcé"), LCase("ABC"), "[" & Trim("  a  ") & "]", "[" & LTrim("  a ") & "]", "[" & RTrim(" a  ") & "]"
WScript.Echo StrComp("a", "B", 1), StrComp("a", "B"), StrComp("x", "x"), StrReverse("abc")
WScript.Echo String(3, "x"), "[" & Space(2) & "]", Asc("A"), Chr(66), AscW("é"), ChrW(233)
WScript.Echo Hex(255), Hex(-1), Oct(8), Hex(65536)
WScript.Echo Join(Split("a,b,,c", ","), "|"), UBound(Split("a b c")), UBound(Split(""))
WScript.Echo Join(Filter(Array("apple", "pear", "grape"), "ap"), ","), Join(Filter(Array("apple", "pear"), "ap", False), ",")
WScript.Echo Escape("a b&c"), Unescape("%41%20b")
WScript.Echo "say ""hi""", Len("中文字")
