' A trailing Loop While condition that fails is reported at the Loop line; a leading Do While
' condition at the Do line, also when it fails on a later pass.
Class NoDefault
End Class
Set o = New NoDefault
n = 0
On Error Resume Next
Do
  n = n + 1
Loop While o
WScript.Echo "left the loop", n, Err.Number
Err.Clear
limit = 2
   Do While n < limit
  n = n + 1
  If n = 2 Then Set limit = o
  If n = 3 Then limit = 0
Loop
WScript.Echo "ran the body again", n, Err.Number
On Error GoTo 0
n = 0
Do
  n = n + 1
  Loop Until o
