' Int, Fix, Abs, Sgn and Round on each kind of number: which kind comes back, widening at the edges, text read as Double.
' locale: en-US
WScript.Echo Int(CSng(-1.5)), TypeName(Int(CSng(-1.5))), Fix(CSng(-1.5)), Int(CCur(-1.5)), TypeName(Int(CCur(-1.5))), Fix(CCur(-1.5)), Int(#1/1/2000 6:00:00 PM#), TypeName(Fix(#1/1/2000 6:00:00 PM#))
WScript.Echo Int(True), TypeName(Int(True)), Fix(Empty), TypeName(Fix(Empty)), Int(CByte(5)), TypeName(Int(CByte(5))), Int("-2.5"), TypeName(Int("-2.5")), TypeName(Fix(CLng(7)))
WScript.Echo Abs(CInt(-32768)), TypeName(Abs(CInt(-32768))), Abs(CLng(-2147483648)), TypeName(Abs(CLng(-2147483648))), Abs(True), TypeName(Abs(True)), TypeName(Abs(CInt(-5)))
WScript.Echo Abs(CCur(-1.5)), TypeName(Abs(CCur(-1.5))), Abs(CSng(-1.5)), TypeName(Abs(CSng(-1.5))), Abs(Empty), TypeName(Abs(Empty)), Abs(CByte(3)), TypeName(Abs(CByte(3))), Abs("-7"), TypeName(Abs("-7"))
WScript.Echo Sgn(True), Sgn(Empty), Sgn(CCur(-3)), Sgn("-0.1"), Sgn(#1/1/1899#), TypeName(Sgn(CLng(5))), TypeName(Sgn(1.5)), Sgn(CByte(0)), Sgn(-1E-300)
WScript.Echo Round(CCur(2.5)), TypeName(Round(CCur(2.5))), Round(CCur(3.5)), Round(CSng(2.5)), TypeName(Round(CSng(2.5))), Round(CInt(7), 2), TypeName(Round(CInt(7))), TypeName(Round(CLng(7))), TypeName(Round(CByte(7))), TypeName(Round("7"))
WScript.Echo Round(1234.5678, 2), Round(-1234.5678, 3), Round(0.125, 2), Round(0.375, 2), Round(-2.5), Round(3.5), Round(CCur(-0.125), 2), Round(1E+20, 2)
