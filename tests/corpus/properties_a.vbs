' Property procedures with arguments, Exit Property, array members and nested construction order.
Class Grid
  Private cells_(2, 2)
  Public Property Get Cell(r, c)
    Cell = cells_(r, c)
  End Property
  Public Property Let Cell(r, c, v)
    cells_(r, c) = v
  End Property
  Public Property Get Guarded(v)
    Guarded = "small"
    If v < 10 Then Exit Property
    Guarded = "large"
  End Property
End Class
Set g = New Grid
g.Cell(1, 2) = "b2"
WScript.Echo g.Cell(1, 2), IsEmpty(g.Cell(0, 0))
WScript.Echo g.Guarded(3), g.Guarded(30)
Class Part
  Public Name
  Private Sub Class_Initialize
    WScript.Echo "part init"
  End Sub
  Private Sub Class_Terminate
    WScript.Echo "part terminate"
  End Sub
End Class
Class Whole
  Public Piece
  Private Sub Class_Initialize
    WScript.Echo "whole init starts"
    Set Piece = New Part
    WScript.Echo "whole init ends"
  End Sub
  Private Sub Class_Terminate
    WScript.Echo "whole terminate"
  End Sub
End Class
Set w = New Whole
Set w = Nothing
WScript.Echo "both gone"
Class ReadOnly
  Public Property Get Value
    Value = 42
  End Property
End Class
Set ro = New ReadOnly
WScript.Echo ro.Value
Class SetOnly
  Private o_
  Public Property Set Target(o)
    Set o_ = o
  End Property
  Public Function HasTarget
    HasTarget = IsObject(o_)
  End Function
End Class
Set so = New SetOnly
Set so.Target = ro
WScript.Echo so.HasTarget
