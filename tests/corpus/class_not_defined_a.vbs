' New of an unknown class is a run-time error 506; a class made by ExecuteGlobal can be used afterwards.
On Error Resume Next
Set o = New NotAClass
WScript.Echo Err.Number, Err.Description
Err.Clear
ExecuteGlobal "Class LateClass : Public V : End Class"
Set o = New LateClass
o.V = "made by ExecuteGlobal"
WScript.Echo Err.Number, o.V
