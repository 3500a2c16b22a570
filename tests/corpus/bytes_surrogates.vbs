' Strings are UTF-16: Mid and Left may cut a character above U+FFFF into lone halves, and "&" joins them again.
s = "a" & ChrW(&HD83D) & ChrW(&HDE00) & "b"
WScript.Echo Len(s), LenB(s), InStr(s, "b"), AscW(Mid(s, 2)), AscW(Mid(s, 3))
high = Left(s, 2) : low = Mid(s, 3)
WScript.Echo Len(high), Len(low), high & low = s, Right(high, 1) & Left(low, 1) = Mid(s, 2, 2)
WScript.Echo StrComp(Mid(s, 2, 2), ChrW(&HFF21)), StrComp(Mid(s, 2, 1), Mid(s, 2, 2)), Mid(s, 2, 2) < ChrW(&HE000)
' A lone half has no UTF-8 form: it is written as U+FFFD.
WScript.Echo "[" & Mid(s, 3, 1) & "]", Escape(Mid(s, 2, 1)), Unescape("%uDE00") = Mid(s, 3, 1)
