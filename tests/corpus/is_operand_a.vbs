' Is with a non-object operand and With of Empty or Null raise 424.
On Error Resume Next
x = 5
b = x Is Nothing
WScript.Echo "is with number", Err.Number
Err.Clear
b = Empty Is Nothing
WScript.Echo "is with empty", Err.Number
Err.Clear
With Empty
WScript.Echo "with empty", Err.Number
End With
Err.Clear
With Null
WScript.Echo "with null", Err.Number
End With
