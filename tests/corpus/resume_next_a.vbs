' On Error Resume Next in every statement kind: the failing statement is abandoned as a whole.
On Error Resume Next
x = 5
x = 1 / 0
WScript.Echo "assignment kept", x
Err.Clear
WScript.Echo "echo skipped", 1 / 0
WScript.Echo "after echo", Err.Number
Err.Clear
If 1 / 0 Then
  WScript.Echo "if body runs"
Else
  WScript.Echo "else body"
End If
Err.Clear
If False Then
  WScript.Echo "no"
ElseIf 1 / 0 Then
  WScript.Echo "elseif body runs"
Else
  WScript.Echo "else body"
End If
Err.Clear
n = 0
Do
  n = n + 1
  If n > 5 Then Exit Do
Loop While 1 / 0
WScript.Echo "loop while footer", n
Err.Clear
y = 7
For y = 1 / 0 To 3
  WScript.Echo "for body", y
Next
WScript.Echo "for", Err.Number, Err.Description
Err.Clear
For Each z In 42
  WScript.Echo "for each body"
Next
WScript.Echo "for each", Err.Number, Err.Description
Err.Clear
Sub Failing
  WScript.Echo "failing starts"
  q = 1 / 0
  WScript.Echo "failing continues"
End Sub
Failing
WScript.Echo "caller continues", Err.Number
Err.Clear
Function Guarded()
  On Error Resume Next
  Guarded = 1 / 0
  Guarded = "guarded " & Err.Number
End Function
WScript.Echo Guarded()
Function Half()
  Half = "partial"
  r = 1 / 0
  Half = "full"
End Function
h = "unset"
h = Half()
WScript.Echo "function result", h, Err.Number
Err.Clear
Function Deep(k)
  If k = 0 Then Err.Raise 9
  Deep = Deep(k - 1) + 1
End Function
d = -1
d = Deep(3)
WScript.Echo "deep", d, Err.Number
Err.Clear
x = 1 / 0
y = 2
WScript.Echo "err survives success", Err.Number
Err.Clear
On Error GoTo 0
On Error Resume Next
WScript.Echo "reset keeps working", Err.Number
