' String functions given numbers, Booleans and dates; IsNumeric on near-numbers; splitting on repeated delimiters.
' locale: en-US
WScript.Echo Left(12345, 2), Len(-1), UCase(1.5), Replace(12321, 2, 9), InStr(12345, 3), Mid(True, 2), Right(#1/2/2003#, 4), StrReverse(123)
WScript.Echo "d=" & #1/2/2003#, "t=" & #3:04:05 PM#, "" = Empty, "a" > Empty, TypeName(Empty = Null)
WScript.Echo IsNumeric(" "), IsNumeric("1 "), IsNumeric("."), IsNumeric("-"), IsNumeric("e5"), IsNumeric("1e5"), IsNumeric("--1"), IsNumeric("1.2.3")
WScript.Echo InStr(1, "abc", "B", vbBinaryCompare), InStr(1, "abc", "B", vbTextCompare), InStr(2, "aaa", "aa"), InStrRev("aaa", "aa"), InStrRev("aaa", "aa", 2)
WScript.Echo Filter(Array("abc", "ABC", "x"), "b", True, vbTextCompare)(1), UBound(Filter(Array("abc", "ABC", "x"), "b"))
WScript.Echo Split("a|b|c", "|", 2)(1), Split("a||b", "||")(1), UBound(Split("abc", "abc")), Split("abcabc", "B", -1, 1)(1)
WScript.Echo Join(Split(" a  b ", " "), "|"), UBound(Split(" ", " ")), Len(String(3, ChrW(960))), String(2, 0) = ChrW(0) & ChrW(0)
