' Result types of operators on mixed operands.
WScript.Echo TypeName(1 + 1), TypeName(32767 + 1), TypeName(2147483647 + 1)
WScript.Echo TypeName(1.5 + 1), TypeName("1" + 2), TypeName("a" + "b")
WScript.Echo TypeName(True + True), True + True, TypeName(Empty + Empty)
WScript.Echo TypeName(Null + 1), TypeName(Null & "x"), "[" & Null & "]"
WScript.Echo TypeName(10 / 2), TypeName(10 \ 2), TypeName(CByte(1) + CByte(2))
WScript.Echo TypeName(#1/1/2003# + 1), TypeName(1 & 2)
WScript.Echo VarType(1), VarType(100000), VarType(1.5), VarType("s"), VarType(True), VarType(Empty), VarType(Null)
WScript.Echo CInt(2.5), CInt(3.5), CLng(-2.5), Round(2.5), Round(3.5), Round(2.567, 2)
WScript.Echo Int(-2.5), Fix(-2.5), Int(2.5), Fix(2.5)
WScript.Echo CStr(0.1 + 0.2), 1 / 3, 1E+20, 123456789012345678
WScript.Echo CBool("true"), CBool(0), CBool(-1), CDbl("1.5e2"), CLng("&H10")
WScript.Echo IsNumeric("12"), IsNumeric(" 12 "), IsNumeric("1e3"), IsNumeric("abc"), IsNumeric(Empty)
