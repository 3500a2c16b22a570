' ByRef (the default) and ByVal arguments, parentheses, recursion, Exit.
Sub Inc(x)
  x = x + 1
End Sub
Sub IncVal(ByVal x)
  x = x + 1
End Sub
Function Fact(k)
  If k <= 1 Then Fact = 1 Else Fact = k * Fact(k - 1)
End Function
Function FirstOver(limit)
  Dim i
  For i = 1 To 100
    If i * i > limit Then
      FirstOver = i
      Exit Function
    End If
  Next
  FirstOver = -1
End Function
n = 1
Inc n
WScript.Echo n
IncVal n
WScript.Echo n
Inc (n)
WScript.Echo n
Call Inc(n)
WScript.Echo n
Dim arr(1)
arr(0) = 5
Inc arr(0)
WScript.Echo arr(0)
WScript.Echo Fact(10), FirstOver(50)
Function NoResult()
End Function
WScript.Echo TypeName(NoResult())
