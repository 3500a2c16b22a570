' A procedure called through GetRef keeps its ByRef parameters.
Sub Bump(x)
  x = x + 1
End Sub
Set f = GetRef("Bump")
n = 1
f n
WScript.Echo n
Call f(n)
WScript.Echo n
f (n)
WScript.Echo n
