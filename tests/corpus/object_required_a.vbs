' Members of values that are not objects raise 424; an unknown ProgID raises 429.
On Error Resume Next
x = Array(1, 2)
n = x.Count
WScript.Echo "member of array", Err.Number
Err.Clear
s = "abc"
n = s.Length
WScript.Echo "member of string", Err.Number
Err.Clear
k = 5
k.Foo
WScript.Echo "method of number", Err.Number
Err.Clear
Set o = CreateObject("No.Such.Class")
WScript.Echo "unknown progid", Err.Number, Err.Description
Err.Clear
Set a = Array(1)
WScript.Echo "set array", Err.Number
Err.Clear
