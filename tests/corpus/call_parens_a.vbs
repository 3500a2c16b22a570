' Parentheses in call statements: around single arguments, around part of an expression, Call with a list.
WScript.Echo (1), (2)
WScript.Echo(3)
Call WScript.Echo(4, 5)
Sub Show(a)
  WScript.Echo "show", a
End Sub
Sub Pair(a, b)
  WScript.Echo "pair", a, b
End Sub
Show (1) + 1
Pair (1), (2)
Pair (1) + 1, 3
Function One(a)
  One = a
  WScript.Echo "one called", a
End Function
One(7)
One (8)
Show -1
x = 10
Show x - 1
Show(x) - 1
