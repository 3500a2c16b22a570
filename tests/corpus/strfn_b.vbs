' String built-ins at the edges: start past the end, zero and negative counts, Null in each position.
On Error Resume Next
WScript.Echo "[" & Mid("abc", 5) & "]", "[" & Mid("abc", 1, 0) & "]", Mid("abc", 2, 100), Mid("abcdef", 2.5, 2)
WScript.Echo TypeName(Mid(Null, 1)), TypeName(Left(Null, 1)), TypeName(Right(Null, 1)), TypeName(Len(Null))
WScript.Echo TypeName(Trim(Null)), TypeName(UCase(Null)), TypeName(LCase(Null)), "[" & UCase(Empty) & "]", Len(Empty)
x = Mid("abc", 0): WScript.Echo "Mid start 0:", Err.Number, Err.Description: Err.Clear
x = Mid("abc", 2, -1): WScript.Echo "Mid length -1:", Err.Number: Err.Clear
x = Mid("abc", Null): WScript.Echo "Mid start Null:", Err.Number, Err.Description: Err.Clear
WScript.Echo "[" & Left("abc", 0) & "]", Left("abc", 10), Left("abcd", 2.5), "[" & Right("abc", 0) & "]", Right("abc", 10)
x = Left("abc", -1): WScript.Echo "Left -1:", Err.Number: Err.Clear
x = Right("abc", -1): WScript.Echo "Right -1:", Err.Number: Err.Clear
x = Left("abc", Null): WScript.Echo "Left Null:", Err.Number: Err.Clear
WScript.Echo Len(123), Len(True), Len(1.5), LenB("abc")
WScript.Echo InStr(2, "abc", ""), InStr(4, "abcabc", "c"), InStr(4, "abc", "c"), InStr(1, "aBc", "b", vbTextCompare)
WScript.Echo TypeName(InStr(Null, "a")), TypeName(InStr("abc", Null)), TypeName(InStr(1, Null, "a"))
x = InStr(0, "abc", "a"): WScript.Echo "InStr start 0:", Err.Number: Err.Clear
x = InStr(Null, "abc", "a"): WScript.Echo "InStr start Null:", Err.Number: Err.Clear
WScript.Echo InStrRev("abcabc", "c", 5), InStrRev("abc", "c", 10), InStrRev("abc", "", 2), InStrRev("abcABC", "b", -1, 1)
x = InStrRev("abc", "a", 0): WScript.Echo "InStrRev start 0:", Err.Number: Err.Clear
x = InStrRev("abc", "a", -2): WScript.Echo "InStrRev start -2:", Err.Number: Err.Clear
WScript.Echo Replace("abc", "", "x"), "[" & Replace("", "a", "b") & "]", Replace("abcabc", "b", "X", 3), "[" & Replace("abc", "b", "X", 5) & "]"
WScript.Echo Replace("abc", "b", "X", 1, 0), Replace("abab", "b", ""), Replace("aaa", "a", "aa"), Replace("AbAb", "b", "x", 1, -1, vbTextCompare)
x = Replace(Null, "a", "b"): WScript.Echo "Replace Null:", Err.Number, Err.Description: Err.Clear
x = Replace("abc", "a", "b", 0): WScript.Echo "Replace start 0:", Err.Number: Err.Clear
x = Replace("abc", "a", "b", 1, -2): WScript.Echo "Replace count -2:", Err.Number: Err.Clear
WScript.Echo "[" & Space(0) & "]", "[" & String(0, "x") & "]", String(3, 65), String(2, "abc"), String(3, 321)
x = Space(-1): WScript.Echo "Space -1:", Err.Number: Err.Clear
x = String(-1, "x"): WScript.Echo "String -1:", Err.Number: Err.Clear
x = String(3, ""): WScript.Echo "String empty char:", Err.Number: Err.Clear
WScript.Echo StrComp("abc", "ABC", vbTextCompare), StrComp("abc", "ABC"), StrComp("a", "ab"), TypeName(StrComp("a", Null))
WScript.Echo "[" & StrReverse("") & "]", StrReverse("ab c")
x = StrReverse(Null): WScript.Echo "StrReverse Null:", Err.Number: Err.Clear
x = Asc(""): WScript.Echo "Asc empty:", Err.Number: Err.Clear
x = Asc(Null): WScript.Echo "Asc Null:", Err.Number: Err.Clear
x = Chr(256): WScript.Echo "Chr 256:", Err.Number: Err.Clear
x = Chr(-1): WScript.Echo "Chr -1:", Err.Number: Err.Clear
WScript.Echo Asc("abc"), ChrW(65), Len(Trim(vbTab & " a ")), Len(LTrim(vbLf & "a"))
a = Split("a,b,c", ",", 2): WScript.Echo UBound(a), a(1)
a = Split("aXbxc", "x", -1, vbTextCompare): WScript.Echo UBound(a), a(2)
a = Split("abc", ""): WScript.Echo UBound(a), a(0)
a = Split("a  b"): WScript.Echo UBound(a), "[" & a(1) & "]"
WScript.Echo UBound(Filter(Array("a", "b"), "z")), Join(Filter(Array("Ab", "cd"), "a", True, vbTextCompare), ","), "[" & Join(Array()) & "]"
