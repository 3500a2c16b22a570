' A ByRef parameter is the caller's variable: writes through either name are seen by both.
g = 1
Sub Touch(x)
  g = 10
  WScript.Echo x
  x = 20
  WScript.Echo g
End Sub
Touch g
Function Recur(n, acc)
  acc = acc & n
  If n > 0 Then Recur = Recur(n - 1, acc) Else Recur = acc
End Function
acc0 = ""
WScript.Echo Recur(3, acc0), acc0
Sub Swap(a, b)
  Dim t
  t = a: a = b: b = t
End Sub
p = "left": q = "right"
Swap p, q
WScript.Echo p, q
