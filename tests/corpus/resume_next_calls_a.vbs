' An error raised by a called function in an If, Loop Until or For Each header under On Error Resume Next.
Function Boom()
  Boom = 1 / 0
End Function
On Error Resume Next
If Boom() Then
  WScript.Echo "then body after failing call", Err.Number
Else
  WScript.Echo "else body"
End If
Err.Clear
n = 0
Do
  n = n + 1
  If n > 3 Then Exit Do
Loop Until Boom()
WScript.Echo "loop until left", n, Err.Number
Err.Clear
For Each v In Boom()
  WScript.Echo "for each body"
Next
WScript.Echo "after for each", Err.Number
