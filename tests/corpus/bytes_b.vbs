' The byte functions see strings as UTF-16 code units, two bytes each, low byte first.
WScript.Echo LenB("ab"), LenB(""), LeftB("ab", 2), MidB("ab", 3, 2), RightB("ab", 2), InStrB("abc", "b"), InStrB("abc", "z")
WScript.Echo AscB("A"), AscB(MidB("A", 2, 1)), AscB(ChrW(960)), AscB(MidB(ChrW(960), 2, 1)), LenB(ChrB(65)), LenB(ChrW(960))
