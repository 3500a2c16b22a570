On Error Resume Next
ReDim a(0020000000)
ReDim a(1000000)
Dim b()
For l = 1 To 10:
ReDim Preserve b(i * 1000)
Next
