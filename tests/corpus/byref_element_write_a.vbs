' Writing an array element directly while the same element is a ByRef argument.
Dim arr(2)
WScript.Echo arr(0), arr(1)
list = Array(3, 1, 2)
For i = 0 To UBound(list) - 1
  For j = 0 To UBound(list) - 1 - i
  Next
Next
Sub Watch(el)
  arr(2) = "written directly"
End Sub
Watch arr(2)
WScript.Echo arr(2)
