' Property is also an ordinary variable and parameter name.
Dim property
property = 3
WScript.Echo property + 1
Sub Property2(property)
  WScript.Echo property
End Sub
Property2 "arg named property"
