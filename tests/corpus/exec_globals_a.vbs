' Execute in a procedure writes an unshadowed global; Eval sees parameters; code from variables and loops in Execute.
counter = 1
Sub Touch
  Execute "counter = counter + 10"
  ExecuteGlobal "counter = counter * 2"
End Sub
Touch
WScript.Echo counter
Function Calc(a)
  Calc = Eval("a * 3 + counter")
End Function
WScript.Echo Calc(2)
code = "WScript.Echo ""from variable code"""
Execute code
Execute "For i = 1 To 3 : acc = acc & i : Next"
WScript.Echo acc
Execute "Sub Shout(t) : WScript.Echo UCase(t) : End Sub"
Shout "defined at global level"
