' Execute, ExecuteGlobal and Eval take text: a number, Empty, Null or a Boolean raises 13; Eval(Null) is Null.
On Error Resume Next
Execute 5
WScript.Echo "Execute 5", Err.Number : Err.Clear
Execute Empty
WScript.Echo "Execute Empty", Err.Number : Err.Clear
Execute Null
WScript.Echo "Execute Null", Err.Number : Err.Clear
ExecuteGlobal 5
WScript.Echo "ExecuteGlobal 5", Err.Number : Err.Clear
ExecuteGlobal Empty
WScript.Echo "ExecuteGlobal Empty", Err.Number : Err.Clear
ExecuteGlobal Null
WScript.Echo "ExecuteGlobal Null", Err.Number : Err.Clear
x = "unchanged"
x = Eval(5)
WScript.Echo "Eval(5)", Err.Number, x : Err.Clear
x = Eval(Empty)
WScript.Echo "Eval(Empty)", Err.Number : Err.Clear
x = Eval(True)
WScript.Echo "Eval(True)", Err.Number : Err.Clear
x = Eval(Null)
WScript.Echo "Eval(Null)", Err.Number, IsNull(x) : Err.Clear
code = "y = 6 * 7"
Execute code
WScript.Echo "text in a variable", Err.Number, y, Eval("y + 1")
