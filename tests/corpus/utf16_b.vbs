' Strings count UTF-16 code units: a character outside the BMP is two of them; ChrW takes -32768..65535.
s = ChrW(&HD83D) & ChrW(&HDE00)
Set re = New RegExp
re.Pattern = "a"
WScript.Echo Len(s), LenB(s), Len(s & "a"), InStr(s & "a", "a"), re.Execute(s & "a")(0).FirstIndex
WScript.Echo ChrW(-32768) = ChrW(32768), AscW(ChrW(32768)), AscW(ChrW(65535)), AscW(ChrW(-1))
On Error Resume Next
x = ChrW(65536): WScript.Echo "ChrW 65536:", Err.Number: Err.Clear
x = ChrW(-32769): WScript.Echo "ChrW -32769:", Err.Number: Err.Clear
