' Variables that Execute creates inside a procedure belong to that one call of it;
' ExecuteGlobal and Execute at global level still make globals.
Dim shared
shared = "global"
Sub T(n)
  Execute "WScript.Echo ""starts without y:"", IsEmpty(y)"
  Execute "Dim z : z = " & n
  WScript.Echo "dim in call", n, z, Eval("z")
  Execute "y = z * 10"
  WScript.Echo "implicit", Eval("y")
  Execute "shared = shared & "" seen"""
  Execute "WScript.Echo ""a later Execute sees"", z, y"
End Sub
T 5
T 6
Sub Fresh
  WScript.Echo "another procedure sees", IsEmpty(Eval("z")), IsEmpty(Eval("y"))
End Sub
Fresh
WScript.Echo "globals after the calls", IsEmpty(z), IsEmpty(y), shared

Sub Shadow
  Execute "Dim shared : shared = ""mine"""
  WScript.Echo "declared hides the global", Eval("shared")
End Sub
Shadow
WScript.Echo "global kept", shared

Sub Recurse(depth)
  Execute "Dim v : v = depth * 100"
  If depth < 2 Then Recurse depth + 1
  WScript.Echo "depth", depth, Eval("v")
End Sub
Recurse 0

Sub Bump(ByRef x)
  x = x + 1
End Sub
Sub UsesByRef
  Execute "Dim c : c = 1 : Bump c"
  Execute "Bump c : ReDim list(2) : list(1) = c"
  WScript.Echo "by reference", Eval("c"), Eval("list(1)"), IsArray(list)
End Sub
UsesByRef
WScript.Echo "no global list", IsEmpty(list)

Class Holder
  Public Sub Terminated
  End Sub
  Private Sub Class_Terminate
    WScript.Echo "holder released"
  End Sub
End Class
Sub KeepsObject
  Execute "Set h = New Holder"
  WScript.Echo "object held", TypeName(Eval("h"))
End Sub
KeepsObject
WScript.Echo "after the call"

Sub MakeGlobal
  ExecuteGlobal "Dim made : made = 7"
  Execute "counter = 1"
End Sub
Dim counter
MakeGlobal
WScript.Echo "ExecuteGlobal", made, "existing global assigned", counter
Execute "atTop = 3"
WScript.Echo "global level", atTop

Sub Definer
  Dim secret
  secret = "local"
  Execute "Sub Inner : WScript.Echo ""a procedure Execute defines sees"", TypeName(secret) : End Sub"
  Inner
End Sub
Definer
