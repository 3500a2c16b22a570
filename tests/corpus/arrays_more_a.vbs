' Unallocated dynamic arrays, dimension arguments, arrays returned and copied by value, three dimensions.
Dim u()
WScript.Echo IsArray(u), TypeName(u), VarType(u)
Erase u
ReDim Preserve u(1)
u(1) = "grown"
WScript.Echo UBound(u), u(1)
Dim w()
On Error Resume Next
w(0) = 1
WScript.Echo "unallocated element", Err.Number
Err.Clear
n = UBound(Array(1, 2), 0)
WScript.Echo "dimension 0", Err.Number
Err.Clear
On Error GoTo 0
WScript.Echo UBound(Array(1, 2), 1), LBound(Array(1, 2), 1)
Function MakeList()
  Dim l(1)
  l(0) = "orig"
  MakeList = l
End Function
r1 = MakeList()
r1(0) = "changed"
WScript.Echo r1(0), MakeList()(0)
Dim fixed(1)
fixed(0) = "in fixed"
copy = fixed
copy(0) = "in copy"
WScript.Echo fixed(0), copy(0)
Dim big(1, 2, 3)
WScript.Echo UBound(big, 3), UBound(big, 2), UBound(big, 1)
big(1, 2, 3) = "corner"
WScript.Echo big(1, 2, 3)
