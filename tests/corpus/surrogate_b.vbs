' AscW reads the first UTF-16 code unit as a signed Integer, surrogates included.
s = ChrW(&HD83D) & ChrW(&HDE00)
WScript.Echo AscW(s), AscW(Mid(s, 2, 1)), AscW(ChrW(&HDE00)), Hex(AscW(Right(s, 1))), AscW(ChrW(&HD800) & "x")
