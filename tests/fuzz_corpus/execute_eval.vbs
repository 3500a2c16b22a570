' Eval, Execute, ExecuteGlobal and GetRef.
x = 5
WScript.Echo Eval("x * 2"), Eval("x = 5")
Execute "y = x + 1"
WScript.Echo y
ExecuteGlobal "Function Twice(n): Twice = n * 2: End Function"
WScript.Echo Twice(21)
Set f = GetRef("Twice")
WScript.Echo f(4)
Sub Local
  Dim z
  z = 3
  Execute "z = z * 10"
  WScript.Echo z
End Sub
Local
On Error Resume Next
Eval "1 +"
WScript.Echo Err.Number <> 0, Err.Source
