' Whole blocks on one line joined by colons.
x = 0
Do: x = x + 1: Loop Until x = 3
WScript.Echo x
While x < 5: x = x + 1: Wend
WScript.Echo x
Select Case x: Case 1: y = "one": Case 5: y = "five": Case Else: y = "other": End Select
WScript.Echo y
Sub OneLine(v): WScript.Echo "one line sub", v: End Sub
OneLine 7
Function OneLineF(v): OneLineF = v * 2: End Function
WScript.Echo OneLineF(21)
Set d = CreateObject("Scripting.Dictionary")
With d: .Add "k", "v": WScript.Echo .Item("k"): End With
For Each e In Array(1, 2): s = s & e: Next: WScript.Echo s
If x = 5 Then
  WScript.Echo "block": ElseIf_ = 1
End If
