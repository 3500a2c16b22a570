' Conversion functions: overflow edges, banker's rounding, CStr of every kind, CBool of text, Hex/Oct of negatives.
' locale: en-US
On Error Resume Next
WScript.Echo CInt(32767.4), CInt(-32768.5), CInt(0.5), CInt(1.5), CInt("2.5"), CInt("3.5"), CInt(" 12 "), CInt("1e3")
WScript.Echo CInt(Empty), CInt(True), CInt("&HFF"), TypeName(CInt("1")), CLng(-2147483648.5), CLng(#1/1/2000 12:00:00 PM#)
x = CInt(32767.5): WScript.Echo "CInt 32767.5:", Err.Number, Err.Description: Err.Clear
x = CInt(-32769): WScript.Echo "CInt -32769:", Err.Number: Err.Clear
x = CInt(#1/1/2000#): WScript.Echo "CInt date:", Err.Number: Err.Clear
x = CLng(2147483647.5): WScript.Echo "CLng 2147483647.5:", Err.Number: Err.Clear
x = CByte(255.5): WScript.Echo "CByte 255.5:", Err.Number: Err.Clear
x = CByte(-1): WScript.Echo "CByte -1:", Err.Number: Err.Clear
x = CInt("abc"): WScript.Echo "CInt abc:", Err.Number, Err.Description: Err.Clear
x = CInt(""): WScript.Echo "CInt empty text:", Err.Number: Err.Clear
x = CInt(Null): WScript.Echo "CInt Null:", Err.Number: Err.Clear
x = CByte(Null): WScript.Echo "CByte Null:", Err.Number: Err.Clear
x = CStr(Null): WScript.Echo "CStr Null:", Err.Number: Err.Clear
WScript.Echo CByte("12"), TypeName(CByte("12")), CByte(254.5), TypeName(CCur(1.23456)), CCur(1.23456), CCur("1e3")
WScript.Echo "[" & CStr(Empty) & "]", CStr(True), CStr(False), CStr(1.5), CStr(CCur(-1234.5678)), CStr(CByte(7)), CStr(CSng(1 / 3))
WScript.Echo CStr(#1/2/2003#), CStr(#1/2/2003 3:04:05 PM#), CStr(CDate(0)), CStr(CDate(1.5)), CStr(CDate(-1))
WScript.Echo CStr(1E15), CStr(1E16), CStr(123456789012345), CStr(0.0001), CStr(0.00001), CStr(-0.5), CStr(CSng(0.1))
WScript.Echo CBool("true"), CBool("False"), CBool("1"), CBool("0"), CBool("-1"), CBool("2.5"), CBool(0.1), CBool(Empty)
x = CBool("yes"): WScript.Echo "CBool yes:", Err.Number: Err.Clear
x = CBool(""): WScript.Echo "CBool empty text:", Err.Number: Err.Clear
x = CBool(Null): WScript.Echo "CBool Null:", Err.Number: Err.Clear
WScript.Echo Hex(-1), Hex(CInt(-32768)), Hex(-32769), Hex(CLng(-1)), Hex(65535), Hex(CByte(255)), Hex(-2147483648)
WScript.Echo Hex(2.5), Hex(3.5), TypeName(Hex(Null)), Hex(Empty), Hex("255"), Oct(-1), Oct(CLng(-1)), Oct(8)
x = Hex(4294967295): WScript.Echo "Hex 4294967295:", Err.Number: Err.Clear
x = Hex("x"): WScript.Echo "Hex x:", Err.Number: Err.Clear
WScript.Echo CDbl(#1/1/2000#), CDbl("  2.5  "), TypeName(CSng(1.1)), CSng(1.1), TypeName(CDate(36526)), CDate(36526)
