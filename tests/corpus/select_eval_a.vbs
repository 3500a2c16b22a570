' Case items are evaluated left to right and only until the first match.
Function F(n)
  WScript.Echo "eval", n
  F = n
End Function
Select Case 2
  Case F(1), F(2), F(3)
    WScript.Echo "matched"
  Case F(4)
    WScript.Echo "no"
End Select
Select Case F(10)
  Case F(5) To F(20)
    WScript.Echo "in range"
End Select
Select Case 7
  Case Is > F(8), Is < F(9)
    WScript.Echo "is matched"
End Select
