' Class members without Public or Private are public: Dim, Sub, Function, Property.
Class Defaults
  Dim field
  Sub Method
    WScript.Echo "method without modifier is public"
  End Sub
  Function Fn()
    Fn = "function too"
  End Function
  Property Get Prop
    Prop = "property too"
  End Property
End Class
Set d = New Defaults
d.field = "dim member is public"
WScript.Echo d.field
d.Method
WScript.Echo d.Fn(), d.Prop
