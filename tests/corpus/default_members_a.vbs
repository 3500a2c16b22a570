' Default functions with and without arguments, member chains, a property read three times, fluent Me, With New.
Class Fmt
  Public Default Function Render(Optional_)
    Render = "[" & Optional_ & "]"
  End Function
End Class
Class Val
  Public Default Function Value()
    Value = "default function value"
  End Function
End Class
Set f = New Fmt
WScript.Echo f("x"), f.Render("y")
Set v = New Val
WScript.Echo v
s = v
WScript.Echo s, TypeName(s)
WScript.Echo v & "!"
Class Chain
  Public NextOne
  Public Label
End Class
Set a = New Chain
Set a.NextOne = New Chain
a.NextOne.Label = "deep"
Set a.NextOne.NextOne = New Chain
a.NextOne.NextOne.Label = "deeper"
WScript.Echo a.NextOne.Label, a.NextOne.NextOne.Label
Class Counter
  Private n
  Public Property Get Value
    n = n + 1
    Value = n
  End Property
End Class
Set c = New Counter
WScript.Echo c.Value, c.Value, c.Value
Class Self
  Public Name
  Public Function Rename(x)
    Name = x
    Set Rename = Me
  End Function
End Class
Set s1 = New Self
WScript.Echo s1.Rename("a").Rename("b").Name
With New Self
  .Name = "anon"
  WScript.Echo .Name
End With
