' A ByRef array element is the element itself: swapping two elements of one array, seeing direct writes.
Sub Swap(a, b)
  Dim t
  t = a: a = b: b = t
End Sub
Dim arr(2)
arr(0) = "zero": arr(1) = "one"
Swap arr(0), arr(1)
WScript.Echo arr(0), arr(1)
Dim m(1, 1)
m(0, 0) = "a": m(1, 1) = "d"
Swap m(0, 0), m(1, 1)
WScript.Echo m(0, 0), m(1, 1)
list = Array(3, 1, 2)
For i = 0 To UBound(list) - 1
  For j = 0 To UBound(list) - 1 - i
    If list(j) > list(j + 1) Then Swap list(j), list(j + 1)
  Next
Next
WScript.Echo Join(list, ",")
Sub Watch(el)
  arr(2) = "written directly"
  WScript.Echo el
End Sub
arr(2) = "before"
Watch arr(2)
Sub Bump(x)
  x = x + 1
End Sub
held = Array(1, 5)
Bump held(0)
WScript.Echo held(0)
Sub Two(a, b)
  a = "A": b = "B"
End Sub
Dim f(1)
Two f(0), f(1)
WScript.Echo f(0), f(1)
