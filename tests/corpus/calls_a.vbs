' Call forms, discarded results, argument counts and undefined procedures.
Function Add(a, b)
  Add = a + b
  WScript.Echo "add called", a, b
End Function
Sub NoArgs
  WScript.Echo "no args"
End Sub
Add 1, 2
Call Add(3, 4)
r = Add(5, 6)
WScript.Echo r
NoArgs
Call NoArgs
Call NoArgs()
NoArgs()
Class Tool
  Public Function Twice(v)
    Twice = v * 2
  End Function
  Public Sub Report()
    WScript.Echo "report"
  End Sub
End Class
Set t = New Tool
t.Report
t.Report()
Call t.Report
WScript.Echo t.Twice(21)
On Error Resume Next
Add 1
WScript.Echo "too few", Err.Number, Err.Description
Err.Clear
r = Add(1, 2, 3)
WScript.Echo "too many", Err.Number
Err.Clear
t.Twice 1, 2
WScript.Echo "method too many", Err.Number
Err.Clear
NoArgs 1
WScript.Echo "sub with an argument", Err.Number
Err.Clear
Missing 1
WScript.Echo "undefined sub", Err.Number, Err.Description
Err.Clear
r = MissingToo(1)
WScript.Echo "undefined function", Err.Number
Err.Clear
