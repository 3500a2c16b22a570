' Each procedure has its own error handler; On Error GoTo 0 in a callee hands errors back to the caller.
Sub Inner
  Err.Raise 7, "Inner", "inner failure"
End Sub
Sub Middle
  On Error Resume Next
  Inner
  WScript.Echo "middle sees", Err.Number, Err.Source, Err.Description
  On Error GoTo 0
  WScript.Echo "middle after goto 0", Err.Number
  Inner
  WScript.Echo "not reached"
End Sub
On Error Resume Next
Middle
WScript.Echo "top sees", Err.Number, Err.Source
Err.Clear
Function Safe(v)
  On Error Resume Next
  Safe = 10 / v
  If Err.Number <> 0 Then Safe = "div error " & Err.Number
End Function
On Error GoTo 0
WScript.Echo Safe(2), Safe(0), Safe(5)
