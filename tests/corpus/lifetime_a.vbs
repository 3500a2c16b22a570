' Class_Terminate runs as soon as the last reference goes: returned objects, discarded results, replacement.
Class Probe
  Public Name
  Private Sub Class_Terminate
    WScript.Echo "terminate", Name
  End Sub
End Class
Function Make(n)
  Dim p
  Set p = New Probe
  p.Name = n
  Set Make = p
End Function
ReDim keep(0)
Set keep(0) = Make("preserved")
ReDim Preserve keep(2)
WScript.Echo "after redim preserve", keep(0).Name
Set held = Make("returned")
WScript.Echo "held", held.Name
Make "discarded result"
WScript.Echo "after discarded call"
Set held = Make("second")
WScript.Echo "after replacing"
Set keep(0) = Nothing
Set held = Nothing
WScript.Echo "end"
