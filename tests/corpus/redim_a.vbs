' ReDim on new names, several arrays in one statement, Preserve across dimensions, Erase lists.
ReDim fresh(2, 3)
WScript.Echo UBound(fresh, 1), UBound(fresh, 2)
Dim a(1), b(2, 2), c
WScript.Echo UBound(a), UBound(b, 2), IsEmpty(c)
ReDim x(1), y(3)
WScript.Echo UBound(x), UBound(y)
ReDim grid(1, 1)
grid(0, 0) = "a": grid(1, 1) = "d"
ReDim Preserve grid(1, 3)
WScript.Echo grid(0, 0), grid(1, 1), UBound(grid, 2)
ReDim Preserve grid(1, 0)
WScript.Echo grid(0, 0), UBound(grid, 2)
n = 4
ReDim sized(n - 1)
WScript.Echo UBound(sized)
ReDim Preserve sized(n * 2)
WScript.Echo UBound(sized)
v = 5
ReDim v(1)
WScript.Echo IsArray(v)
ReDim p(1), q(1)
p(0) = 1: q(0) = 2
Erase p
Erase q
On Error Resume Next
WScript.Echo UBound(p)
WScript.Echo "p erased", Err.Number
Err.Clear
WScript.Echo UBound(q)
WScript.Echo "q erased", Err.Number
Err.Clear
ReDim big(1, 1)
big(1, 2) = 0
WScript.Echo "second dimension", Err.Number
Err.Clear
On Error GoTo 0
ReDim s(2)
t = s
ReDim Preserve t(5)
WScript.Echo UBound(s), UBound(t)
