' Select Case over mixed kinds (variables compare as Variants do, Null matches nothing, ranges and Is) and For loops with fractional and negative steps.
' locale: en-US
one = 1: textOne = "1": half = 2.5
Function Pick(v)
  Select Case v
    Case one: Pick = "one"
    Case half, 7: Pick = "half or seven"
    Case textOne: Pick = "text one"
    Case Else: Pick = "else"
  End Select
End Function
WScript.Echo Pick(1), Pick(1.0), Pick(CByte(1)), Pick(True), Pick("1"), Pick(5 / 2), Pick(CLng(7)), Pick(Null), Pick(Empty)
Select Case "hello"
  Case "HELLO": WScript.Echo "case-blind"
  Case "a" To "m": WScript.Echo "in a..m"
  Case Else: WScript.Echo "else"
End Select
Select Case 5
  Case Is >= 10: WScript.Echo "big"
  Case 1 To 4, 6 To 9: WScript.Echo "ranges"
  Case Is <> 5: WScript.Echo "not five"
  Case Else: WScript.Echo "five by else"
End Select
Select Case 3
  Case 5 To 1: WScript.Echo "reversed range"
  Case Else: WScript.Echo "a reversed range holds nothing"
End Select
Select Case Empty
  Case 0: WScript.Echo "Empty is 0"
  Case "": WScript.Echo "Empty is text"
End Select
s = ""
For i = 0 To 1 Step 0.1
  s = s & i & " "
Next
WScript.Echo s & "| " & i
s = ""
For i = 10 To 1 Step -3
  s = s & i & " "
Next
WScript.Echo s & "| " & i, TypeName(i)
s = ""
For i = -1.5 To -3 Step -0.75
  s = s & i & " "
Next
WScript.Echo s & "| " & i
s = ""
For i = 1 To 0 Step -0.5
  s = s & i & " "
Next
WScript.Echo s & "| " & i
n = 0
For i = 1 To 3 Step -1
  n = n + 1
Next
WScript.Echo n, i
For i = #1/1/2000# To #1/3/2000#
  WScript.Echo i, TypeName(i)
Next
