' A With block keeps its object alive; a ByVal object argument is released with the caller's last reference.
Class Probe
  Public Name
  Private Sub Class_Terminate
    WScript.Echo "terminate", Name
  End Sub
End Class
Set o = New Probe
o.Name = "with target"
With o
  Set o = Nothing
  WScript.Echo "inside with", .Name
End With
WScript.Echo "after with"
Sub TakesVal(ByVal p)
  WScript.Echo "in sub", p.Name
End Sub
Set q = New Probe
q.Name = "passed"
TakesVal q
Set q = Nothing
WScript.Echo "after release"
