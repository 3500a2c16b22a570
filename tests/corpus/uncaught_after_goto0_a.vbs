' On Error GoTo 0 turns error trapping back off.
On Error Resume Next
x = 1 / 0
WScript.Echo "trapped", Err.Number
On Error GoTo 0
WScript.Echo "cleared", Err.Number
y = 2 / 0
WScript.Echo "not reached"
