' Hex and Oct of every kind: 16-bit kinds show 16 bits, Long and rounded Doubles 32 bits, Null passes through, past 32 bits overflows.
' locale: en-US
On Error Resume Next
WScript.Echo Hex(CInt(-1)), Hex(CInt(-32768)), Hex(CLng(-32768)), Hex(CByte(5)), Hex(1.5), Hex(-1.5), Hex(-0.4), Hex(True), Hex(#1/1/2000#), Hex(CCur(255.5))
WScript.Echo Oct(CInt(-32768)), Oct(CInt(-1)), Oct(-2147483648), Oct(8.5), Oct(True), Oct(65535), Oct(-65536), TypeName(Oct(1)), TypeName(Hex(1)), TypeName(Oct(Null))
WScript.Echo Hex("&H10"), Hex(" 12 "), Oct("&O17"), Hex(&H7FFFFFFF), Hex(&H8000&), Hex(-&H8000), Hex(2147483647.4), Hex(-2147483648.4), Hex(CSng(65536))
x = Hex(2147483648): WScript.Echo "Hex 2^31:", Err.Number, Err.Description: Err.Clear
x = Hex(-2147483649): WScript.Echo "Hex -2^31-1:", Err.Number: Err.Clear
x = Oct(1E+10): WScript.Echo "Oct 1e10:", Err.Number: Err.Clear
x = Hex("1x"): WScript.Echo "Hex text:", Err.Number: Err.Clear
x = Hex(Array(1)): WScript.Echo "Hex array:", Err.Number: Err.Clear
