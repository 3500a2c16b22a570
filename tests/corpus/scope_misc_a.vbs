' Dim inside a loop, Exit For from a Select, Private members of another instance, Nothing without Set.
For i = 1 To 3
  Dim v
  v = v & i
Next
WScript.Echo v
For i = 1 To 5
  Select Case i
    Case 3
      Exit For
  End Select
Next
WScript.Echo i
Class Secretive
  Private secret
  Public Sub Init(s)
    secret = s
  End Sub
  Public Function Peek(other)
    Peek = other.secret
  End Function
  Public Function Own()
    Own = secret
  End Function
End Class
Set s1 = New Secretive: s1.Init "one"
Set s2 = New Secretive: s2.Init "two"
WScript.Echo s1.Own(), s2.Own()
On Error Resume Next
WScript.Echo s1.Peek(s2)
WScript.Echo "other instance private", Err.Number
Err.Clear
x = Nothing
WScript.Echo "let Nothing", Err.Number, Err.Description
Err.Clear
