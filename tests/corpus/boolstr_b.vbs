' Text used where a Boolean is wanted, and a text literal compared with a Boolean literal.
On Error Resume Next
x = 0: If "#TRUE#" Then x = 1
WScript.Echo "If ""#TRUE#"":", x, Err.Number: Err.Clear
x = 0: If Not "#FALSE#" Then x = 1
WScript.Echo "If Not ""#FALSE#"":", x, Err.Number: Err.Clear
x = 0: If "TRUE" Then x = 1
WScript.Echo "If ""TRUE"":", x, Err.Number: Err.Clear
WScript.Echo """true"" <> True:", "true" <> True
