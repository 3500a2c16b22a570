' Escape/Unescape, InStrRev, StrReverse, Split/Join/Filter at their edges, and string built-ins given Empty.
' locale: en-US
WScript.Echo Escape("a b+c/d@e*f_g-h.i"), Escape("äö€"), Escape("~!#$%^&()=[]{}|\;:'"",<>?`"), "[" & Escape("") & "]", Escape(123), Escape(True)
WScript.Echo Unescape("a%20b%2Bc"), Unescape("%u20AC%E4"), Unescape("%zz%2"), Unescape("%"), Unescape("a+b"), Len(Unescape("%u00e4")), Unescape("%41%u0042"), Unescape("%u41")
WScript.Echo StrReverse("abc"), StrReverse(123), InStrRev("abcabc", "bc"), InStrRev("abcabc", "bc", 4), InStrRev("abcabc", "x"), InStrRev("", "a"), InStrRev("abc", ""), InStrRev("abc", "", -1), InStrRev("aXbx", "x", -1, vbTextCompare), InStrRev("abc", "abcd")
WScript.Echo Join(Array(1, 2.5, True, Empty), "-"), Join(Array("a", "b")), "[" & Join(Array("a"), "") & "]", UBound(Split("")), UBound(Split("", ",")), Split("a,b,,c", ",")(2) = ""
WScript.Echo UBound(Split("a b c", " ", 1)), Split("a b c", " ", 1)(0), UBound(Split("a b c", " ", -1)), Join(Split("1,2,3", ",", 2), "|"), "[" & Join(Filter(Array("abc", "bcd", "cde"), "c", False), "|") & "]", Join(Filter(Array(1, 12, 3), 1), "|")
WScript.Echo Join(Filter(Array("ab", "AB"), "a"), "|"), UBound(Filter(Array(), "a")), TypeName(Filter(Array("a"), "a")), TypeName(Split("a")), LBound(Split("a")), Join(Split("a-b-c", "-", -1, vbBinaryCompare), "+")
WScript.Echo "[" & Left(Empty, 1) & "]", Len(Empty), "[" & Mid(Empty, 1) & "]", LCase(Empty) = "", InStr(Empty, "a"), InStr("a", Empty), Replace(Empty, "a", "b") = "", StrComp(Empty, ""), Trim(Empty) = "", TypeName(UCase(Empty))
