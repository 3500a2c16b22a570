' Select Case lists, ranges and Is; If, ElseIf and the single-line forms.
Function Kind(v)
  Select Case v
    Case 0
      Kind = "zero"
    Case 1, 3, 5 To 7
      Kind = "listed"
    Case Is >= 100, Is < -10
      Kind = "far"
    Case 8 To 9, 11
      Kind = "late"
    Case Else
      Kind = "other"
  End Select
End Function
For Each v In Array(0, 1, 3, 6, 7, 100, -11, -10, 9, 11, 10, 4)
  WScript.Echo v, Kind(v)
Next
Select Case "pear"
  Case "apple", "banana": WScript.Echo "early fruit"
  Case "orange" To "plum": WScript.Echo "middle fruit"
  Case Else: WScript.Echo "late fruit"
End Select
Select Case "B"
  Case "b": WScript.Echo "binary match"
  Case Else: WScript.Echo "case matters"
End Select
Select Case 5
  Case 1
    WScript.Echo "no"
End Select
WScript.Echo "no match falls through"
calls = 0
Function Probe()
  calls = calls + 1
  Probe = 2
End Function
Select Case Probe()
  Case 1: WScript.Echo "one"
  Case 2: WScript.Echo "two"
  Case 3: WScript.Echo "three"
End Select
WScript.Echo "selector evaluated", calls
Select Case 2
  Case 2: WScript.Echo "first match only"
  Case 2: WScript.Echo "second match"
End Select
x = 5
If x > 10 Then
  WScript.Echo "big"
ElseIf x > 3 Then
  WScript.Echo "medium"
ElseIf x > 1 Then
  WScript.Echo "small"
Else
  WScript.Echo "tiny"
End If
If x = 5 Then WScript.Echo "a": WScript.Echo "b" Else WScript.Echo "c": WScript.Echo "d"
If x = 6 Then WScript.Echo "a": WScript.Echo "b" Else WScript.Echo "c": WScript.Echo "d"
If x = 5 Then y = 1 Else y = 2
WScript.Echo y
If Empty Then WScript.Echo "empty true" Else WScript.Echo "empty is false"
If "True" Then WScript.Echo "string true"
If 0.5 Then WScript.Echo "fraction true"
If Not 0 Then WScript.Echo "not zero"
If Not 1 Then WScript.Echo "not one is -2, true"
If x Then
End If
WScript.Echo "empty block"
