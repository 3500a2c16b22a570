' Comparisons of mixed kinds: a numeric literal converts a text variable, two variables never do.
Dim e
s = "1": n = 1
WScript.Echo s = 1, s = n, n = s, 1 = s
t = "10": m = 9
WScript.Echo t > 9, t > m, m < t, t < m
WScript.Echo e = 0, e = "", e < 1, e = False, IsEmpty(e)
WScript.Echo TypeName(Null = Null), TypeName(Null <> Null), TypeName(Null = 1), TypeName(Null < "a")
WScript.Echo True = -1, True > False, True < False, CInt(-1) = True, CByte(1) = 1
WScript.Echo #1/1/2000# = 36526, #1/1/2000# > 36525, CCur(1.5) = 1.5, 0.1 + 0.2 = 0.3, 0.5 + 0.25 = 0.75
WScript.Echo "a" < "B", "abc" < "abd", "" < "a", "10" < "9", "A" = "a", "a" < "a ", TypeName(1 < 2)
If Null Then WScript.Echo "Null is true" Else WScript.Echo "Null is not true"
If Not (Null = 1) Then WScript.Echo "Not Null is true" Else WScript.Echo "Not Null is not true"
Set o = Nothing
WScript.Echo o Is Nothing, Nothing Is Nothing, StrComp("10", 9), StrComp(10, 9)
