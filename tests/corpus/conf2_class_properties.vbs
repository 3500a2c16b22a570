' Class properties: a default Property Get with an argument and its Let/Set partners, assignment through the default, objects kept by Property Set, With on Me.
Class Bag
  Private items
  Private Sub Class_Initialize()
    Set items = CreateObject("Scripting.Dictionary")
  End Sub
  Public Default Property Get Item(key)
    If Not items.Exists(key) Then
      Item = "(none)"
    ElseIf IsObject(items(key)) Then
      Set Item = items(key)
    Else
      Item = items(key)
    End If
  End Property
  Public Property Let Item(key, value)
    items(key) = value
  End Property
  Public Property Set Item(key, value)
    Set items(key) = value
  End Property
  Public Property Get Count()
    Count = items.Count
  End Property
End Class
Set b = New Bag
b("a") = 1
b.Item("b") = "two"
WScript.Echo b("a"), b.Item("b"), b("zzz"), b.Count
b("a") = b("a") + 10
WScript.Echo b("a"), TypeName(b("a"))
Set b("self") = b
WScript.Echo TypeName(b("self")), b("self")("a"), b("self").Count, b.Item("self").Item("b")
Class Temperature
  Private mCelsius
  Public Property Let Fahrenheit(ByVal f)
    mCelsius = (f - 32) * 5 / 9
    f = 0
  End Property
  Public Property Get Fahrenheit()
    Fahrenheit = mCelsius * 9 / 5 + 32
  End Property
  Public Property Get Celsius()
    Celsius = mCelsius
  End Property
  Public Sub Reset()
    With Me
      .Fahrenheit = 212
    End With
  End Sub
End Class
Set t = New Temperature
reading = 50
t.Fahrenheit = reading
WScript.Echo t.Celsius, t.Fahrenheit, reading
t.Reset
WScript.Echo t.Celsius
With t
  .Fahrenheit = 32
  WScript.Echo .Celsius, TypeName(.Celsius)
  With b
    .Item("t") = t.Celsius
    WScript.Echo .Item("t"), b.Count, t.Fahrenheit
  End With
End With
