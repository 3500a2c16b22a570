' A Property declaration names Get, Let or Set.
WScript.Echo "never"
Class C
  Public Property Foo
  End Property
End Class
