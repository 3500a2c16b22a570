' Comparisons that decide a branch, with numbers, text and objects on either side; the
' slots a taken branch frees must read Empty as the next call's locals.
Function Fresh(k)
  Dim x, y
  Fresh = TypeName(x) & TypeName(y) & k
End Function
Sub Check()
  Dim x, y
  s = s & TypeName(x) & TypeName(y) & " "
End Sub
Dim i, n, s
n = 3
Do While i < n
  Check
  i = i + 1
Loop
WScript.Echo s
s = ""
For i = 1 To 6
  If i Mod 2 = 0 Then s = s & "e" Else s = s & "o"
  If i >= 5 Then s = s & "!"
  If 2.5 * i > 10 Then s = s & "d"
Next
WScript.Echo s
Dim t : t = "b"
If t < "c" Then WScript.Echo "text <", Fresh("")
While n > 0.5
  n = n - 1
Wend
WScript.Echo n, TypeName(n)
If Null = 1 Then WScript.Echo "null holds" Else WScript.Echo "null does not hold"
Dim big : big = 40000
If big > 32767 Then WScript.Echo "long", Fresh(big > 32767)
