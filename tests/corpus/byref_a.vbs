' ByRef and ByVal: array elements, class members, loop counters, parentheses, aliasing.
Sub Bump(x)
  x = x + 1
End Sub
Sub BumpVal(ByVal x)
  x = x + 1
End Sub
Sub Twice(a, b)
  a = a + 1
  b = b + 10
End Sub
Class Holder
  Public Field
  Private inner_
  Public Property Get Inner
    Inner = inner_
  End Property
  Public Property Let Inner(v)
    inner_ = v
  End Property
  Public Sub BumpOwn
    Bump Field
  End Sub
End Class
Dim arr(2)
arr(1) = 5
Bump arr(1)
WScript.Echo "element", arr(1)
ReDim dyn(1, 1)
dyn(1, 0) = 1
Bump dyn(1, 0)
WScript.Echo "2-d element", dyn(1, 0)
Set h = New Holder
h.Field = 1
Bump h.Field
WScript.Echo "member", h.Field
h.Inner = 1
Bump h.Inner
WScript.Echo "property", h.Inner
h.BumpOwn
WScript.Echo "own field", h.Field
s = ""
For i = 1 To 6
  s = s & i
  Bump i
Next
WScript.Echo "counter", s
n = 1
Bump (n)
WScript.Echo "parenthesized", n
Call Bump((n))
WScript.Echo "call, doubled parentheses", n
Call Bump(n)
WScript.Echo "call", n
BumpVal n
WScript.Echo "byval", n
n = 1
Twice n, n
WScript.Echo "same variable twice", n
Bump n + 0
WScript.Echo "expression", n
Function AddOne(x)
  x = x + 1
  AddOne = x
End Function
m = 1
r = AddOne(m)
WScript.Echo "function argument", m, r
Function Fresh()
  Fresh = Fresh & "a"
  Fresh = Fresh & "b"
End Function
WScript.Echo "result variable", Fresh()
Function Partial()
  Partial = "set"
  Exit Function
  Partial = "unreached"
End Function
WScript.Echo Partial()
Sub Outer(v)
  Inner2 v
End Sub
Sub Inner2(w)
  w = "through two levels"
End Sub
t = "start"
Outer t
WScript.Echo t
Sub Reassign(a)
  a = Array("new")
End Sub
lst = Array("old")
Reassign lst
WScript.Echo lst(0)
Sub SetObj(o)
  Set o = Nothing
End Sub
Set h2 = New Holder
SetObj h2
WScript.Echo "object byref", h2 Is Nothing
Function Counter()
  Counter = 1
  Dim local
  local = local + 1
  Counter = local
End Function
WScript.Echo Counter(), Counter()
