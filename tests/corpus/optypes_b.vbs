' Result kinds and values of the operators over mixed operand kinds.
' locale: en-US
Dim e
b = CByte(2): i = CInt(3): l = CLng(4): c = CCur(2.5): dt = #1/2/2000#: s = "7"
WScript.Echo TypeName(b + b), TypeName(b + i), TypeName(i + l), TypeName(l + 1.5), TypeName(i + c), TypeName(l * c), TypeName(b + True)
WScript.Echo TypeName(True + True), TypeName(e + e), TypeName(e + 1.5), TypeName(e & e), TypeName(s + i), TypeName(s + s), TypeName(s - "2")
WScript.Echo TypeName(dt + 1), TypeName(dt - 1), TypeName(dt - dt), dt - #1/1/2000#, dt + 1.5, TypeName(s * "4"), s * "4"
WScript.Echo TypeName(b * b), b * CByte(200), TypeName(b * CByte(200)), CByte(255) + CByte(1), TypeName(CByte(255) + CByte(1))
WScript.Echo CInt(32767) + CInt(1), TypeName(CInt(32767) + CInt(1)), CInt(200) * CInt(200), TypeName(CInt(200) * CInt(200))
WScript.Echo CLng(2147483647) + CLng(1), TypeName(CLng(2147483647) + CLng(1)), CLng(65536) * CLng(65536)
WScript.Echo TypeName(-b), -True, TypeName(-e), TypeName(-Null), TypeName(b \ b), TypeName(i \ i), TypeName(1.5 \ 1), TypeName(b Mod b)
WScript.Echo TypeName(b / b), TypeName(i / i), TypeName(2 ^ 2), TypeName(b ^ b)
WScript.Echo TypeName(b And b), Not CByte(1), TypeName(Not CByte(1)), TypeName(True And True), TypeName(True And 1), True And 1, Not 1.5
WScript.Echo TypeName(Null And False), TypeName(Null And True), TypeName(Null Or True), TypeName(Null Or False), TypeName(Not Null)
WScript.Echo TypeName(Null Xor True), TypeName(Null Eqv True), False Imp Null, Null Imp True, TypeName(Null Imp False), TypeName(True Imp Null)
WScript.Echo TypeName(Null & Null), TypeName(Null & e), "[" & e & Null & "]", 1 & Null, True & "", c & "", 1.0 & "", TypeName(Null + e)
WScript.Echo TypeName(Null + 1), TypeName(Null * 0), TypeName(Null = Null), TypeName(Null <> 1), TypeName(Null / 0)
On Error Resume Next
x = "x" + 1: WScript.Echo "text + 1:", Err.Number: Err.Clear
x = "x" * 1: WScript.Echo "text * 1:", Err.Number: Err.Clear
x = -"x": WScript.Echo "-text:", Err.Number: Err.Clear
x = CByte(1) - CByte(2): WScript.Echo "Byte 1 - 2:", x, TypeName(x): Err.Clear
