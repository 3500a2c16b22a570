' For counters grow from Integer to Long past 32767; fractional steps accumulate as Doubles.
For i = 32760 To 32770
Next
WScript.Echo i, TypeName(i)
For b = 1 To 3 Step 1
Next
WScript.Echo TypeName(b)
n = 32767
n = n + 1
WScript.Echo n, TypeName(n)
For d = 0.1 To 0.35 Step 0.1
 c = c + 1
Next
WScript.Echo c
