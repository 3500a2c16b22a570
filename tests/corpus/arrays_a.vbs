' Array bounds, ReDim Preserve, Erase and the errors 9 and 10.
Dim m(2, 3)
WScript.Echo UBound(m), UBound(m, 1), UBound(m, 2), LBound(m, 2)
Dim g(2, 1)
For i = 0 To 2
  For j = 0 To 1
    g(i, j) = i * 10 + j
  Next
Next
s = ""
For Each v In g
  s = s & v & " "
Next
WScript.Echo s
ReDim p(1, 2)
p(1, 2) = "kept"
ReDim Preserve p(1, 4)
WScript.Echo UBound(p, 2), p(1, 2), IsEmpty(p(1, 4))
ReDim q(4)
For i = 0 To 4: q(i) = i * i: Next
ReDim Preserve q(2)
WScript.Echo UBound(q), Join(q, ",")
ReDim q(2)
WScript.Echo IsEmpty(q(2)), Join(q, ",") = ",,"
Dim f(2)
f(0) = 1: f(1) = "a": f(2) = 3
Erase f
WScript.Echo UBound(f), IsEmpty(f(0)), IsEmpty(f(1))
ReDim d(3)
Erase d
On Error Resume Next
n = UBound(d)
WScript.Echo "erased", Err.Number
Err.Clear
Dim u()
n = UBound(u)
WScript.Echo "unallocated", Err.Number
Err.Clear
Dim fx(2)
ReDim fx(5)
WScript.Echo "fixed", Err.Number, Err.Description
Err.Clear
x = f(3)
WScript.Echo "high", Err.Number, Err.Description
Err.Clear
x = f(-1)
WScript.Echo "low", Err.Number
Err.Clear
x = m(1)
WScript.Echo "dims", Err.Number
Err.Clear
n = UBound(m, 3)
WScript.Echo "ubound dim", Err.Number
Err.Clear
n = UBound(5)
WScript.Echo "ubound scalar", Err.Number
Err.Clear
ReDim Preserve p(3, 4)
WScript.Echo "preserve first dim", Err.Number, UBound(p, 1)
Err.Clear
On Error GoTo 0
e = Array()
WScript.Echo UBound(e), LBound(e), TypeName(e), VarType(e)
a = Array(1, 2, 3)
b = a
b(0) = 100
WScript.Echo a(0), b(0)
Sub SetFirst(arr)
  arr(0) = "set"
End Sub
SetFirst a
WScript.Echo a(0)
Sub SetFirstVal(ByVal arr)
  arr(0) = "lost"
End Sub
SetFirstVal a
WScript.Echo a(0)
nested = Array(Array(1, 2), Array(3, 4))
WScript.Echo nested(1)(0), UBound(nested(0))
ReDim r(2)
r(1) = Array("x", "y")
WScript.Echo r(1)(1)
Dim cnt
cnt = 0
For Each v In Array()
  cnt = cnt + 1
Next
WScript.Echo cnt
ReDim z(0)
z(0) = 7
For Each v In z
  v = 99
Next
WScript.Echo z(0)
