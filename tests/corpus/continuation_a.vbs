' Bracketed procedure and parameter names; line continuation inside conditions, lists and calls.
Sub [my sub]([an arg])
  WScript.Echo "bracketed", [an arg]
End Sub
[my sub] 1
Call [my sub](2)
If 1 = 1 And _
   2 = 2 Then WScript.Echo "continued condition"
Dim p, _
    q
Function Sum(a, _
             b)
  Sum = a + _
        b
End Function
WScript.Echo Sum(1, _
  2)
s = "a" & _
    "b" & _
    "c"
WScript.Echo s
x = 1 : : y = 2 :
WScript.Echo x, y
