' Binary data as upload scripts handle it: bytes glued with ChrB, searched with InStrB, cut with MidB and read back with AscB.
Function ToBytes(text)
  Dim i, out
  out = ""
  For i = 1 To Len(text)
    out = out & ChrB(Asc(Mid(text, i, 1)))
  Next
  ToBytes = out
End Function

Function ToText(bytes)
  Dim i, out
  out = ""
  For i = 1 To LenB(bytes)
    out = out & Chr(AscB(MidB(bytes, i, 1)))
  Next
  ToText = out
End Function

data = ToBytes("--xyz" & vbCrLf & "name=abc" & vbCrLf & "--xyz--")
WScript.Echo LenB(data), Len(data), TypeName(data)
boundary = ToBytes("--xyz")
p = InStrB(data, ChrB(13) & ChrB(10))
WScript.Echo p, InStrB(p, data, boundary)
field = MidB(data, p + 2, InStrB(p + 2, data, ChrB(13)) - p - 2)
WScript.Echo LenB(field), ToText(field)
' Odd pieces glue back together into the original bytes.
whole = LeftB(data, 7) & MidB(data, 8, 10) & RightB(data, LenB(data) - 17)
WScript.Echo whole = data, LenB(whole), LeftB(data, 7) = LeftB(data, 8), LeftB(data, 7) < LeftB(data, 8)
' Two bytes make one UTF-16 character, low byte first.
WScript.Echo ChrB(&H2D) & ChrB(&H4E) = ChrW(&H4E2D), AscW(ChrB(&H3D) & ChrB(&HD8) & ChrB(0) & ChrB(&HDE))
' A half character shifts what follows by one byte ("]" becomes the high byte of a character); the half left at the end is not printed.
WScript.Echo "[" & ChrB(65) & "]", "[" & "ab" & ChrB(0) & "]", Len("x" & ChrB(65)), LenB("x" & ChrB(65))
