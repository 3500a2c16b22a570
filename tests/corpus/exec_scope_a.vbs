' Execute, ExecuteGlobal and Eval scope rules; GetRef.
g = "global"
Sub LocalScope
  Dim g
  g = "local"
  WScript.Echo Eval("g")
  Execute "g = g & "" changed"""
  WScript.Echo g
  Execute "created = 1"
  WScript.Echo Eval("created")
  ExecuteGlobal "madeGlobal = ""from sub"""
End Sub
LocalScope
WScript.Echo g, madeGlobal
Execute "Sub FromExecute : WScript.Echo ""defined by Execute"" : End Sub"
FromExecute
x = 3
WScript.Echo Eval("x = 3"), TypeName(Eval("x = 3"))
Execute "x = 4"
WScript.Echo x
Execute "a = 1" & vbCrLf & "b = a + 1"
WScript.Echo a, b
WScript.Echo Eval("Len(""abc"") + x")
Function Add(p, q)
  Add = p + q
End Function
Sub Say(text)
  WScript.Echo "say", text
End Sub
Set f = GetRef("Add")
WScript.Echo f(2, 3)
Set s = GetRef("say")
s "hello"
Call s("again")
On Error Resume Next
Set bad = GetRef("NoSuchProcedure")
WScript.Echo "getref missing", Err.Number
Err.Clear
Execute "y = &O8"
WScript.Echo "execute syntax", Err.Number, Err.Source
Err.Clear
v = Eval("1 / 0")
WScript.Echo "eval runtime", Err.Number
Err.Clear
Execute "Err.Raise 77, ""inner"", ""from execute"""
WScript.Echo Err.Number, Err.Source, Err.Description
