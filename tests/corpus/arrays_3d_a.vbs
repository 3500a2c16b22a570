' Three-dimensional arrays: For Each walks the first index fastest; Preserve on the last dimension; copies; Erase keeps the shape.
ReDim cube(1, 1, 1)
For i = 0 To 1: For j = 0 To 1: For k = 0 To 1
  cube(i, j, k) = i & j & k
Next: Next: Next
For Each c In cube
  s = s & c & " "
Next
WScript.Echo s
ReDim Preserve cube(1, 1, 2)
WScript.Echo cube(1, 0, 1), cube(0, 1, 1), IsEmpty(cube(1, 1, 2)), UBound(cube, 3)
copy = cube
copy(0, 0, 0) = "changed"
WScript.Echo cube(0, 0, 0), copy(0, 0, 0)
Dim fixed2(1, 2)
fixed2(1, 2) = "x"
Erase fixed2
WScript.Echo UBound(fixed2, 1), UBound(fixed2, 2), IsEmpty(fixed2(1, 2))
