' Eval reads = as comparison, Execute runs several statements (colons and line breaks), ExecuteGlobal defines at script level.
a = 1
Class P
  Public X
End Class
Set p1 = New P
p1.X = 10
WScript.Echo Eval("a = 1"), Eval("a = 2"), a, Eval("a + 1 = 2"), TypeName(Eval("a")), Eval("a & ""x"""), Eval("p1.X = 10"), p1.X, TypeName(Eval("p1.X = 10"))
WScript.Echo Eval("2 * (3 + 4)"), Eval("Len(""abc"")"), TypeName(Eval("1 = 1")), Eval("1 < 2 And 2 < 3"), IsEmpty(Eval("neverAssigned")), Eval("UCase(""q"")")
Execute "a = 5: b = a * 2" & vbCrLf & "c = b + 1"
WScript.Echo a, b, c
Execute "If a = 5 Then d = ""yes"" Else d = ""no"""
WScript.Echo d
ExecuteGlobal "Dim g1: g1 = 7"
WScript.Echo g1
Execute "Sub Hello(): WScript.Echo ""hi from Execute"": End Sub"
Hello
Execute "For k = 1 To 3: total = total + k: Next"
WScript.Echo total, k
