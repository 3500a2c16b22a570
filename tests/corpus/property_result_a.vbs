' Inside Property Get its name is the result variable; other members call the property.
Class P
  Private n_
  Public Property Get Name
    Name = "x"
    Name = Name & "y"
  End Property
  Public Property Let Name(v)
    n_ = v
  End Property
  Public Function Describe()
    Describe = "name is " & Name
  End Function
  Public Property Get Stored
    Stored = n_
  End Property
End Class
Set o = New P
WScript.Echo o.Name, o.Describe()
o.Name = "assigned"
WScript.Echo o.Stored
