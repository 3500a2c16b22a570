' Set of a variable to itself keeps the object; Set p = p.Child frees the parent but not the child.
Class Probe
  Public Name
  Public Child
  Private Sub Class_Terminate
    WScript.Echo "terminate", Name
  End Sub
End Class
Set o = New Probe
o.Name = "self"
Set o = o
WScript.Echo "after self assignment", o.Name
Set p = New Probe
p.Name = "parent"
Set p.Child = New Probe
p.Child.Name = "child"
Set p = p.Child
WScript.Echo "now holding", p.Name
Set p = Nothing
Set o = Nothing
WScript.Echo "end"
