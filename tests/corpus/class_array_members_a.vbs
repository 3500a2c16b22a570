' Indexed assignment to array members of a class from outside and through With.
Class Table
  Public Cells(3)
  Public Dyn
  Private Sub Class_Initialize
    Dyn = Array(0, 0)
  End Sub
End Class
Set t = New Table
t.Cells(1) = "set from outside"
WScript.Echo t.Cells(1), UBound(t.Cells)
t.Dyn(1) = "dyn set"
WScript.Echo t.Dyn(1)
With t
  .Cells(2) = "with set"
  WScript.Echo .Cells(2)
End With
