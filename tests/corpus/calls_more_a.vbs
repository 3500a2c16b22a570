' Argument counts through GetRef; indexing values that are not arrays.
Function Two(a, b)
  Two = a & b
End Function
Set r = GetRef("Two")
On Error Resume Next
v = r(1)
WScript.Echo "getref count", Err.Number
Err.Clear
x = 5
y = x(1)
WScript.Echo "index a number", Err.Number
Err.Clear
s = "text"
y = s(0)
WScript.Echo "index a string", Err.Number
Err.Clear
