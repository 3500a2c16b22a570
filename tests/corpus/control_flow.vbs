' Loops, Exit, Select Case and single-line If.
i = 0
Do While i < 3
  i = i + 1
Loop
WScript.Echo i
Do
  i = i - 1
Loop Until i = 0
WScript.Echo i
While i < 2
  i = i + 1
Wend
WScript.Echo i
For i = 10 To 1 Step -3
  WScript.Echo i
Next
WScript.Echo i
For i = 1 To 10
  If i = 3 Then Exit For
Next
WScript.Echo i
n = 0
Do
  n = n + 1
  If n >= 4 Then Exit Do
Loop
WScript.Echo n
For Each v In Array(1, 5, 12, 100, -3)
  Select Case v
    Case 1: WScript.Echo "one"
    Case 2, 3, 4, 5: WScript.Echo "small"
    Case 10 To 20: WScript.Echo "teen"
    Case Is < 0: WScript.Echo "negative"
    Case Else: WScript.Echo "big"
  End Select
Next
If n = 4 Then WScript.Echo "four" Else WScript.Echo "not four"
If n = 5 Then WScript.Echo "five" Else WScript.Echo "not five"
If n > 1 Then
  WScript.Echo "gt1"
ElseIf n > 0 Then
  WScript.Echo "gt0"
Else
  WScript.Echo "other"
End If
For i = 1 To 3 : s = s & i : Next : WScript.Echo s
