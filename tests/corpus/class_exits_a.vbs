' Exit Sub in Class_Initialize and Exit Property in Property Let.
Class Guarded
  Private v_
  Public Ready
  Private Sub Class_Initialize
    Ready = "partial"
    If True Then Exit Sub
    Ready = "full"
  End Sub
  Public Property Let Value(v)
    If v < 0 Then Exit Property
    v_ = v
  End Property
  Public Property Get Value
    Value = v_
  End Property
End Class
Set g = New Guarded
WScript.Echo g.Ready
g.Value = 5
g.Value = -1
WScript.Echo g.Value
