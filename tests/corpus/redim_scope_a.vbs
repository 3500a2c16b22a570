' ReDim in a procedure resizes the variable the name already stands for: a global or a class member.
Dim list()
Sub Grow
  ReDim list(2)
  list(0) = "from sub"
End Sub
Sub GrowMore
  ReDim Preserve list(4)
End Sub
Grow
WScript.Echo UBound(list), list(0)
GrowMore
WScript.Echo UBound(list), list(0)
Class Bag
  Private items()
  Public Tags
  Private Sub Class_Initialize
    ReDim items(0)
    ReDim Tags(1)
    Tags(0) = "first tag"
  End Sub
  Public Sub Add(v)
    ReDim Preserve items(UBound(items) + 1)
    items(UBound(items)) = v
  End Sub
  Public Property Get Count
    Count = UBound(items)
  End Property
End Class
Set b = New Bag
b.Add "a"
b.Add "b"
WScript.Echo b.Count, b.Tags(0), UBound(b.Tags)
