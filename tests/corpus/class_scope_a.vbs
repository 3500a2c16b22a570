' Inside a class a member hides a global, a local hides a member; a Property Let argument is a copy.
Name = "global name"
Class Person
  Public Name
  Private age_
  Public Property Let Age(v)
    v = v + 100
    age_ = v
  End Property
  Public Property Get Age
    Age = age_
  End Property
  Public Function Show()
    Show = Name
  End Function
  Public Function Shadowed()
    Dim Name
    Name = "local name"
    Shadowed = Name & " / " & Me.Name
  End Function
  Public Function GlobalSeen()
    GlobalSeen = Other
  End Function
End Class
Other = "global other"
Set p = New Person
p.Name = "member name"
WScript.Echo p.Show(), "|", p.Shadowed(), "|", p.GlobalSeen(), "|", Name
years = 5
p.Age = years
WScript.Echo years, p.Age
