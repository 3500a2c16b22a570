' known-gap: Erase, ReDim and Dictionary.Remove release the objects they drop one statement late
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
