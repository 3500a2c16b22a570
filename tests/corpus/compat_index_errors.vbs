' Naming or indexing what is not an array or object: a variable as a statement or called with () raises 13, indexing a number or Nothing on assignment 13, indexing a plain field of a class 438. An array held in an array is written in place.
On Error Resume Next
n = 42
n
WScript.Echo "n as a statement", Err.Number : Err.Clear
y = n()
WScript.Echo "n()", Err.Number, IsEmpty(y) : Err.Clear
Call n
WScript.Echo "Call n", Err.Number : Err.Clear
Call (n + 1)
WScript.Echo "Call (n + 1)", Err.Number : Err.Clear
a = Array(1, 2)
y = a()
WScript.Echo "an array with () stays itself", Err.Number, UBound(y) : Err.Clear

x = 7
x(0) = 5
WScript.Echo "number(0) = 5", Err.Number, x : Err.Clear
Set x = Nothing
x(0) = 5
WScript.Echo "Nothing(0) = 5", Err.Number : Err.Clear
x = Array(42)
x(0)(0) = 5
WScript.Echo "x(0)(0) = 5 on a number", Err.Number, x(0) : Err.Clear
x = Array(Nothing)
x(0)(0) = 5
WScript.Echo "x(0)(0) = 5 on Nothing", Err.Number : Err.Clear
x = Array(Array("a", 0))
x(0)(1) = 5
WScript.Echo "x(0)(1) = 5 on an array", Err.Number, x(0)(1) : Err.Clear
y = x
y(0)(1) = 6
WScript.Echo "a copy is written apart", x(0)(1), y(0)(1)
Set x(0)(0) = New C
WScript.Echo "Set x(0)(0)", Err.Number, TypeName(x(0)(0)) : Err.Clear

Class C
  Public Scalar
  Public List
  Public Inner
  Private Sub Class_Initialize
    Scalar = 3
    List = Array(10, 20)
  End Sub
End Class
Set o = New C
y = o.Scalar(0)
WScript.Echo "get o.Scalar(0)", Err.Number : Err.Clear
o.Scalar(0) = 5
WScript.Echo "set o.Scalar(0)", Err.Number, o.Scalar : Err.Clear
y = o.Scalar("k", 1)
WScript.Echo "get o.Scalar(k, 1)", Err.Number : Err.Clear
y = o.Inner(0)
WScript.Echo "get o.Inner(0) on Empty", Err.Number : Err.Clear
o.List(1) = 21
WScript.Echo "array field", Err.Number, o.List(0), o.List(1) : Err.Clear
Set o.Inner = CreateObject("Scripting.Dictionary")
o.Inner("k") = "v"
WScript.Echo "object field", Err.Number, o.Inner("k") : Err.Clear
Set o.Inner = Nothing
y = o.Inner(0)
WScript.Echo "get o.Inner(0) on Nothing", Err.Number : Err.Clear
Sub Nested
  inner = Array(Array(1, 2))
  inner(0)(1) = 5
  WScript.Echo "undeclared local written in place", Err.Number, inner(0)(1)
End Sub
Nested
