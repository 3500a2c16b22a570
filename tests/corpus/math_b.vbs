' Math built-ins: banker's rounding, Int against Fix, Sgn, domain errors of Sqr/Log/Exp, Mod and \ on fractions.
On Error Resume Next
WScript.Echo Round(0.5), Round(1.5), Round(-1.5), Round(-2.5), Round(1.25, 1), Round(0.125, 2), Round(1.2345678, 4)
WScript.Echo Round("2.5"), TypeName(Round(2.5)), TypeName(Round(Null)), Round(2.5, 0)
x = Round(12.5, -1): WScript.Echo "Round -1 places:", Err.Number: Err.Clear
WScript.Echo Int(-0.5), Int(-2.7), Fix(-2.7), Int("3.7"), TypeName(Int(3.7)), TypeName(Int(CInt(3))), TypeName(Int(CCur(3.7))), TypeName(Int(Null))
WScript.Echo Sgn(-5), Sgn(0), Sgn(2.5), TypeName(Sgn(2.5)), Abs(-2.5), Abs("-3"), Abs(Empty), TypeName(Abs(Null))
x = Sgn("abc"): WScript.Echo "Sgn text:", Err.Number: Err.Clear
WScript.Echo Sqr(16), Sqr(2), Exp(0), Exp(1), Log(1), Atn(1) * 4, Cos(0), Sin(0), Tan(0)
x = Sqr(-1): WScript.Echo "Sqr -1:", Err.Number, Err.Description: Err.Clear
x = Log(0): WScript.Echo "Log 0:", Err.Number: Err.Clear
x = Log(-1): WScript.Echo "Log -1:", Err.Number: Err.Clear
x = Exp(710): WScript.Echo "Exp 710:", Err.Number, Err.Description: Err.Clear
WScript.Echo 10 Mod 3, -10 Mod 3, 10 Mod -3, 6.5 Mod 4, 5.5 Mod 4, 7 \ 2.5, -7 \ 2, TypeName(7.5 \ 2), TypeName(7.5 Mod 2)
WScript.Echo 2 ^ -1, 0 ^ 0, (-8) ^ 2, TypeName(2 ^ 2)
x = (-8) ^ (1 / 3): WScript.Echo "negative base, fractional power:", Err.Number: Err.Clear
x = 1 / 0: WScript.Echo "1/0:", Err.Number: Err.Clear
x = 0 / 0: WScript.Echo "0/0:", Err.Number: Err.Clear
x = 5 \ 0: WScript.Echo "5\0:", Err.Number: Err.Clear
x = 5 Mod 0: WScript.Echo "5 Mod 0:", Err.Number: Err.Clear
x = 5 / Empty: WScript.Echo "5/Empty:", Err.Number: Err.Clear
