' TypeName and VarType of every kind of value, objects and arrays included.
Class Widget
  Public Name
End Class
Dim u, fixed(2), dyn()
Set w = New Widget
Set d = CreateObject("Scripting.Dictionary")
Set re = New RegExp
re.Pattern = "(a)"
Set ms = re.Execute("a")
WScript.Echo TypeName(u), TypeName(Null), TypeName(CByte(1)), TypeName(1), TypeName(100000), TypeName(CSng(1)), TypeName(1.5)
WScript.Echo TypeName(CCur(1)), TypeName(#1/1/2000#), TypeName("s"), TypeName(True), TypeName(Nothing), TypeName(w), TypeName(d)
WScript.Echo TypeName(re), TypeName(ms), TypeName(ms(0)), TypeName(ms(0).SubMatches)
WScript.Echo TypeName(Array(1)), TypeName(fixed), TypeName(dyn), TypeName(d.Keys), TypeName(Array(1, "x")(1))
WScript.Echo VarType(u), VarType(Null), VarType(CByte(1)), VarType(1), VarType(100000), VarType(CSng(1)), VarType(1.5), VarType(CCur(1))
WScript.Echo VarType(#1/1/2000#), VarType("s"), VarType(True), VarType(Nothing), VarType(w), VarType(Array(1)), VarType(fixed)
WScript.Echo TypeName(Len("a")), TypeName(InStr("a", "a")), TypeName(Asc("a")), TypeName(AscW("a")), TypeName(UBound(Array(1))), TypeName(Year(Now))
WScript.Echo TypeName(Err.Number), TypeName(Now), TypeName(Timer), TypeName(Weekday(Now)), TypeName(DateDiff("d", Now, Now)), TypeName(Fix(1.5))
WScript.Echo IsObject(Nothing), IsObject(w), IsObject(1), IsEmpty(u), IsEmpty(""), IsNull(Null), IsNull(u), IsArray(dyn), IsArray("a")
WScript.Echo IsNumeric(Null), IsNumeric(""), IsNumeric(True), IsNumeric("&H10"), IsNumeric("1.5e3"), IsNumeric("1 2"), IsNumeric(CCur(1))
WScript.Echo IsDate(#1/1/2000#), IsDate(Null), IsDate(""), ScriptEngine()
On Error Resume Next
x = UBound(dyn): WScript.Echo "UBound of Dim x():", Err.Number, Err.Description: Err.Clear
