' On Error Resume Next in a procedure does not reach past its End Sub.
Sub Safe
  On Error Resume Next
  x = 1 / 0
  WScript.Echo "safe", Err.Number
End Sub
Safe
WScript.Echo "back"
z = 1 / 0
