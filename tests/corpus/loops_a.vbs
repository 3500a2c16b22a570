' For, For Each, Do and While loops: bounds, steps, the counter after the loop, Exit.
For i = 1 To 3
Next
WScript.Echo "after 1 To 3:", i
For i = 5 To 1
  WScript.Echo "never"
Next
WScript.Echo "after 5 To 1:", i
For i = 0 To 1 Step 0.25
  s = s & i & " "
Next
WScript.Echo s, i
s = ""
For i = 3 To -3 Step -2
  s = s & i & " "
Next
WScript.Echo s, i
limit = 3
s = ""
For i = 1 To limit
  limit = 10
  s = s & i
Next
WScript.Echo s
stepBy = 1
s = ""
For i = 1 To 6 Step stepBy
  stepBy = 3
  s = s & i
Next
WScript.Echo s
s = ""
For i = 1 To 10
  s = s & i
  i = i + 2
Next
WScript.Echo s, i
s = ""
For i = 1 To 3
  For j = 1 To 3
    If j = 2 Then Exit For
    s = s & i & j & " "
  Next
Next
WScript.Echo s
n = 0
Do
  Do
    n = n + 1
    Exit Do
  Loop
  n = n + 10
  If n > 30 Then Exit Do
Loop
WScript.Echo n
n = 0
Do Until n >= 3
  n = n + 1
Loop
WScript.Echo n
n = 10
Do While n < 3
  n = n + 1
Loop
WScript.Echo n
n = 10
Do
  n = n + 1
Loop While n < 3
WScript.Echo n
n = 0
Do
  n = n + 1
Loop Until n = 5
WScript.Echo n
n = 0
While n < 4
  n = n + 1
  If n = 2 Then n = 3
Wend
WScript.Echo n
Function FindFirst(list, wanted)
  FindFirst = -1
  For k = 0 To UBound(list)
    For Each w In Array(1, 2)
      If list(k) = wanted Then
        FindFirst = k
        Exit Function
      End If
    Next
  Next
End Function
WScript.Echo FindFirst(Array(4, 5, 6), 6), FindFirst(Array(4), 9)
Sub Early(flag)
  WScript.Echo "enter"
  If flag Then Exit Sub
  WScript.Echo "rest"
End Sub
Early True
Early False
c = 0
For i = 1 To 2147483646 Step 1073741823
  c = c + 1
Next
WScript.Echo c, i, TypeName(i)
For x = 1.5 To 3
  WScript.Echo x
Next
