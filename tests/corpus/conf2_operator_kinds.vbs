' The kind of each operator's result for operand kinds not covered elsewhere: Single with Integer and Long, Date arithmetic, negation at the edges, Mod and \ on fractional kinds.
' locale: en-US
WScript.Echo TypeName(CSng(1) + CInt(1)), TypeName(CSng(1) + CLng(1)), TypeName(CSng(1) + 1.5), TypeName("1.5" + CSng(1)), TypeName(CSng(2) / CSng(2)), TypeName(CSng(2) ^ 2), TypeName(CSng(1) - CByte(1))
WScript.Echo TypeName(CCur(1) / CCur(1)), TypeName(CInt(4) / CInt(2)), TypeName(CLng(4) / CLng(2)), TypeName(#1/1/2000# * 2), TypeName(#1/1/2000# - CInt(1)), TypeName(#1/1/2000# + CSng(0.5)), #1/1/2000# + CSng(0.5)
WScript.Echo TypeName(-CInt(-32768)), -CInt(-32768), TypeName(-CLng(-2147483648)), -CLng(-2147483648), TypeName(Not Empty), Not Empty, TypeName(Not CLng(0)), TypeName(Not CByte(0)), Not CByte(0)
WScript.Echo TypeName(CInt(1) = 1), TypeName(5 Mod 2), TypeName(CLng(5) Mod 2), TypeName(CCur(5) Mod 2), TypeName(CCur(5) \ 2), TypeName(CSng(5) \ 2), TypeName(#1/1/2000# \ 2), TypeName(CByte(5) Mod CByte(2))
WScript.Echo TypeName(Empty And Empty), TypeName(CByte(3) Or CInt(4)), TypeName(CInt(1) Xor CLng(2)), TypeName(Empty - Empty), TypeName(Empty * 1.5), TypeName(Empty / 1), TypeName("2" * "3"), TypeName("2" & 3), TypeName(Empty ^ 2)
WScript.Echo TypeName(True * True), TypeName(True / True), TypeName(True \ True), TypeName(True Mod 3), TypeName(True & True), True & True, TypeName(True Xor False), TypeName(True Eqv 0)
WScript.Echo 2147483647 + 1, TypeName(2147483647 + 1), -2147483648 - 1, TypeName(CInt(-32768) - 1), CInt(16384) * 2, TypeName(CInt(16384) * 2), TypeName(CByte(200) + CInt(100)), CByte(100) * CByte(3), TypeName(CByte(100) * CByte(3))
WScript.Echo 5 \ 2 * 2, 7 Mod 2.5, 7 Mod 3.5, 7.5 \ 2, -7.5 \ 2, 8 \ 2.5, 2 ^ 3 ^ 2, -2 ^ 2, 10 Mod -3, -10 Mod -3
WScript.Echo VarType(1 + 1.5), VarType("a" & 1), VarType(1 = 1), VarType(CCur(1) * 2), VarType(#1/1/2000# + 1), VarType(#1/2/2000# - #1/1/2000#), VarType(CByte(1) + CByte(1)), VarType(CSng(1) / CSng(2)), VarType(Null + 1), VarType(Empty + Empty), VarType(7 \ 2), VarType(CLng(7) Mod 2)
