' Locals of a procedure that an error leaves are released before the caller resumes.
Class Probe
  Public Name
  Private Sub Class_Terminate
    WScript.Echo "terminate", Name
  End Sub
End Class
Sub Fails
  Dim p
  Set p = New Probe
  p.Name = "local of failing sub"
  x = 1 / 0
  WScript.Echo "not reached"
End Sub
On Error Resume Next
Fails
WScript.Echo "caller resumes", Err.Number
WScript.Echo "next statement"
x = 2
WScript.Echo "end"
