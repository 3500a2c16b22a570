On Error Resume Next
ReDim a(2000000000)
ReDim a(1000000)
Dim b()
For i = 1 To 100
ReDim Preserve b(i * 1000)
Next
