' Classes: members, properties, default member, Me, lifetime.
Class Counter
  Private count_
  Public Name
  Private Sub Class_Initialize
    count_ = 0
    WScript.Echo "init"
  End Sub
  Private Sub Class_Terminate
    WScript.Echo "terminate " & Name
  End Sub
  Public Default Property Get Value
    Value = count_
  End Property
  Public Property Let Value(v)
    count_ = v
  End Property
  Public Function Increment()
    count_ = count_ + 1
    Set Increment = Me
  End Function
End Class
Set c = New Counter
c.Name = "first"
c.Increment().Increment
WScript.Echo c.Value, c
c.Value = 10
WScript.Echo c
WScript.Echo TypeName(c), IsObject(c), c Is Nothing
With c
  .Name = "renamed"
  WScript.Echo .Name
End With
Set c2 = c
Set c = Nothing
WScript.Echo "still alive"
Set c2 = Nothing
WScript.Echo "done"
Dim nothingYet
Set nothingYet = Nothing
WScript.Echo nothingYet Is Nothing, TypeName(nothingYet)
