' Classes and procedures may be used before their declaration; F()(i) indexes a returned array; misc loop and Select facts.
Set early = New LaterClass
WScript.Echo early.Hello()
LaterSub
Function Arr()
  Arr = Array("f0", "f1")
End Function
WScript.Echo Arr()(1)
For i = 1 To 3: Next
WScript.Echo TypeName(i)
For i = 1 To 2 Step 0.5: Next
WScript.Echo TypeName(i), i
For Each x In Array(1, 2, 3)
  If x = 2 Then Exit For
Next
WScript.Echo x
Select Case Null
  Case Null: WScript.Echo "null matched"
  Case Else: WScript.Echo "null else"
End Select
[] = 5
WScript.Echo []
n = 0
Do
  For j = 1 To 5
    n = n + 1
    If j = 2 Then Exit Do
  Next
Loop
WScript.Echo n, j
Sub ChangeMember(ByVal o)
  o.Value = "changed through byval"
  Set o = Nothing
End Sub
Set lc = New LaterClass
ChangeMember lc
WScript.Echo lc.Value, lc Is Nothing
WScript.Echo IsObject(Empty), IsObject(Nothing)
m = Array(1, 2)
On Error Resume Next
m(5) = 1
WScript.Echo Err.Number
Err.Clear
Dim two(1, 1)
two(0) = 1
WScript.Echo Err.Number
Err.Clear
On Error GoTo 0
Class LaterClass
  Public Value
  Public Function Hello()
    Hello = "hello from a class declared later"
  End Function
  Private Sub Class_Terminate
    WScript.Echo "terminate", Value
  End Sub
End Class
Sub LaterSub
  WScript.Echo "sub declared later"
End Sub
Set early = Nothing
Set lc = Nothing
WScript.Echo "last line"
