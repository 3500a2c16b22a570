' On Error Resume Next flow and the Err object.
On Error Resume Next
WScript.Echo "a"
x = 1 / 0
WScript.Echo Err.Number, Err.Description
If 1 / 0 = 1 Then
  WScript.Echo "in if"
End If
Err.Clear
WScript.Echo Err.Number
y = 7
y = CInt("abc")
WScript.Echo y, Err.Number
On Error GoTo 0
WScript.Echo Err.Number
Sub Fails
  Err.Raise 1000, "Mine", "custom failure"
  WScript.Echo "not reached"
End Sub
On Error Resume Next
Fails
WScript.Echo Err.Number, Err.Source, Err.Description
Err.Clear
Err.Raise 5
WScript.Echo Err.Number, Err.Source, Err.Description
Err.Raise vbObjectError + 1, "App", "app error"
WScript.Echo Err.Number, Err = Err.Number
Set o = Nothing
o.Foo
WScript.Echo Err.Number, Err.Description
