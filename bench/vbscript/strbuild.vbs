' String building: one million appends to one growing string.
Dim i, s
s = ""
For i = 1 To 1000000
  s = s & "x" & (i Mod 10)
Next
WScript.Echo Len(s)
