' Uncaught errors of built-ins name the function.
' A caught error's Description is the bare text; the uncaught report adds the built-in's name.
On Error Resume Next
x = Mid("abc", 0)
WScript.Echo Err.Number, Err.Description
On Error GoTo 0
x = Mid("abc", 0)
WScript.Echo "not reached"
