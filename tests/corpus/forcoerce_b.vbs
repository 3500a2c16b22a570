' For bounds and steps given as text, fractions or Booleans; Case lists with mixed kinds.
' locale: en-US
Function Steps(a, b, s)
  Dim n, x
  n = 0
  For x = a To b Step s
    n = n + 1
  Next
  Steps = n
End Function
WScript.Echo Steps(1, 2, 1), Steps("1", 2, 1), Steps(1, "2", 1), Steps("1", "2", "1"), Steps(1, 2, 0.5), Steps(1, 2.5, 0.5), Steps("1", "2.5", "0.5"), Steps(1, "2", 0.5)
s = ""
For x = 5 To 3 Step True
  s = s & x
Next
WScript.Echo s
Select Case 3
  Case 2: r = "two"
  Case "test": r = "text"
  Case 0, False, 2 + 1, 10: r = "list"
  Case Else: r = "else"
End Select
WScript.Echo r
