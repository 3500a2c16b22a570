' Built-ins at their edges: Null to Escape, Unescape, Filter, DateValue and TimeValue raises 94; DateValue of a number 13; ChrB outside 0..255 6; AscB gives a Byte; a Single compares with a Double as a Single.
' locale: en-US
On Error Resume Next
x = Escape(Null) : WScript.Echo "Escape(Null)", Err.Number : Err.Clear
x = Unescape(Null) : WScript.Echo "Unescape(Null)", Err.Number : Err.Clear
x = Filter(Null, "a") : WScript.Echo "Filter(Null, a)", Err.Number : Err.Clear
x = Filter(Array("a"), Null) : WScript.Echo "Filter(list, Null)", Err.Number : Err.Clear
x = DateValue(Null) : WScript.Echo "DateValue(Null)", Err.Number : Err.Clear
x = TimeValue(Null) : WScript.Echo "TimeValue(Null)", Err.Number : Err.Clear
x = DateValue(5) : WScript.Echo "DateValue(5)", Err.Number : Err.Clear
x = DateValue(2.5) : WScript.Echo "DateValue(2.5)", Err.Number : Err.Clear
WScript.Echo "DateValue of text and date", DateValue("1/5/2003 9:03 PM"), DateValue(#1/5/2003 9:03 PM#)
x = ChrB(256) : WScript.Echo "ChrB(256)", Err.Number : Err.Clear
x = ChrB(-1) : WScript.Echo "ChrB(-1)", Err.Number : Err.Clear
WScript.Echo "ChrB(255)", LenB(ChrB(255)), Err.Number
WScript.Echo "AscB", TypeName(AscB("A")), AscB("A"), VarType(AscB(ChrB(200)))
WScript.Echo "CSng", CSng(0.001 * 0.001) = 0.000001, CSng(0.1) = 0.1, CSng(0.1) < 0.1, CSng(0.1) > 0.1, CDbl(CSng(0.1)) = 0.1
WScript.Echo "Single beside Currency and Integer", CSng(1.5) = CCur(1.5), CSng(3) = 3, CSng(1) < 1E+300
