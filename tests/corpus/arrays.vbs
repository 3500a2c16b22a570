' Fixed, dynamic and multi-dimensional arrays; copies on assignment.
Dim a(2)
a(0) = "x": a(1) = "y": a(2) = "z"
WScript.Echo UBound(a), LBound(a), Join(a, "-")
Dim b
b = a
b(0) = "changed"
WScript.Echo a(0), b(0)
ReDim c(1, 2)
c(1, 2) = 5
WScript.Echo UBound(c, 1), UBound(c, 2), c(1, 2)
Dim d()
ReDim d(1)
d(0) = 1: d(1) = 2
ReDim Preserve d(3)
WScript.Echo UBound(d), d(1), IsEmpty(d(3))
e = Array(1, "two", 3.5)
WScript.Echo TypeName(e), VarType(e), UBound(e), IsArray(e), IsArray(1)
For Each v In e
  WScript.Echo TypeName(v)
Next
ReDim d(0)
WScript.Echo IsEmpty(d(0))
Dim grid(2, 2)
For i = 0 To 2
  For j = 0 To 2
    grid(i, j) = i * 3 + j
  Next
Next
total = 0
For Each cell In grid
  total = total + cell
Next
WScript.Echo total
