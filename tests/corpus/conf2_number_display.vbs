' How numbers print: 15 significant digits for a Double, 7 for a Single, exponent form outside 1E-5 .. 1E+15, Currency up to four decimals.
' locale: en-US
WScript.Echo CDbl(CSng(0.1)), CSng(123456789), CSng(1234567), CSng(12345678), CSng(0.000001), CSng(1.5E-10), CSng(1234567.5), CSng(16777217)
WScript.Echo 1234567890123456, 999999999999999, 999999999999999.9, 123456789012345.6, 0.1 * 3, 1E-4, 0.00001234, 0.0001234, 1.5E-7, 1E+100, -1E-100, 1 / 7
WScript.Echo 2 ^ 53, 1E+16 + 1, 12345678901234567890, 1.7976931348623157E+308, 0.1 + 0.7, 3.3 * 3, 1 - 0.9, 2 ^ 0.5, Sqr(2) * Sqr(2), 10 ^ 15, 10 ^ -5
WScript.Echo CSng(1) / 3, CSng(2) / 3, CSng(100) / 3, CSng(1E+7) / 3, CSng(0.1) + CSng(0.2), TypeName(CSng(0.1) + CSng(0.2)), CSng(-1.5E-5), CStr(CDbl(CSng(3.14159)))
WScript.Echo CCur(0.1) + CCur(0.2), CCur(1) / CCur(3), CCur(0.0001), CCur(1.5) * CCur(1.5), CCur(12.3456789), CStr(CCur(-0.0001)), CCur("0.00005")
WScript.Echo 1.5 & "", -0.5 & "", 1E+21 & "", (0.1 + 0.2) & "", CSng(0.3) & "", "[" & 1E-5 & "]"
