Option Explicit
' Option Explicit, Dim scope, shadowing and Const.
Dim g, i, list(1), r
Const Greeting = "hi", Count = 3
Const Negative = -2
g = "global"
Sub Shadow
  Dim g
  g = "local"
  WScript.Echo "sub sees", g
End Sub
Sub ReadsGlobal
  WScript.Echo "sub reads", g
  g = "written by sub"
End Sub
Shadow
WScript.Echo g
ReadsGlobal
WScript.Echo g
WScript.Echo Greeting, Count, Negative, TypeName(Count), TypeName(Greeting)
Sub UsesConst
  Const Local = 10
  WScript.Echo Local + Count
End Sub
UsesConst
Function CountUp()
  Static_ = 0
End Function
On Error Resume Next
undeclared = 5
WScript.Echo "write", Err.Number
Err.Clear
r = undeclaredToo + 1
WScript.Echo "read", Err.Number, IsEmpty(r)
Err.Clear
CountUp
WScript.Echo "in function", Err.Number
Err.Clear
Dim late
late = "declared after use is fine"
WScript.Echo late
