' Erase, ReDim without Preserve and Dictionary.Remove release the objects they drop at once.
Class Probe
  Public Name
  Private Sub Class_Terminate
    WScript.Echo "terminate", Name
  End Sub
End Class
Dim slots(1)
Set slots(0) = New Probe
slots(0).Name = "in fixed array"
WScript.Echo "before erase"
Erase slots
WScript.Echo "after erase"
ReDim dyn(0)
Set dyn(0) = New Probe
dyn(0).Name = "in dynamic array"
WScript.Echo "before redim"
ReDim dyn(3)
WScript.Echo "after redim"
Set d = CreateObject("Scripting.Dictionary")
Set p = New Probe
p.Name = "in dictionary"
d.Add "k", p
Set p = Nothing
WScript.Echo "before remove"
d.Remove "k"
WScript.Echo "after remove"
ReDim many(2)
Set many(2) = New Probe
many(2).Name = "dropped by shrink"
WScript.Echo "before shrink"
ReDim Preserve many(1)
WScript.Echo "after shrink"
Set p = New Probe
p.Name = "removed all"
d.Add "j", p
Set p = Nothing
WScript.Echo "before RemoveAll"
d.RemoveAll
WScript.Echo "after RemoveAll"
