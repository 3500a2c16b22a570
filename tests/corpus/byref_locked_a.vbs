' An array is locked while one of its elements is a ByRef argument: ReDim and Erase raise 10.
Dim items()
ReDim items(1)
Sub Grow(el)
  ReDim Preserve items(100)
  el = "written after grow"
End Sub
On Error Resume Next
Grow items(0)
WScript.Echo "locked", Err.Number, Err.Description
Err.Clear
Sub Wipe(el)
  Erase items
  el = 1
End Sub
Wipe items(1)
WScript.Echo "erase locked", Err.Number
WScript.Echo UBound(items), items(0)
