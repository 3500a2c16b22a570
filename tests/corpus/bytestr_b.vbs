' Byte strings: ChrB pieces join byte by byte into UTF-16 characters, as binary-reading scripts build them.
s = ""
For i = 0 To 3
  s = s & ChrB(65 + i) & ChrB(0)
Next
WScript.Echo s, LenB(s), Len(s), s = "ABCD"
WScript.Echo Len(ChrB(65)), LenB(ChrB(65) & ChrB(0)), Len(ChrB(65) & ChrB(0)), ChrB(65) & ChrB(0) = "A"
WScript.Echo LenB(MidB("abc", 2)), Len(MidB("abc", 2)), LenB(LeftB("abc", 3)), Len(LeftB("abc", 3))
