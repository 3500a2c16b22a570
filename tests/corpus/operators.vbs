' Precedence and results of the operators.
WScript.Echo 1 + 2 * 3, (1 + 2) * 3
WScript.Echo -3 ^ 2, 2 ^ 3 ^ 2
WScript.Echo 5 \ 4 / 2, 12 / 3 \ 2, 7 Mod 4 + 2
WScript.Echo 10 / 4, 10 \ 4, -7 \ 2, -7 Mod 3
WScript.Echo 1 = 1 < 0, "" = True = False
WScript.Echo Not 1 > 2, 5 And 3, 5 Or 3, 5 Xor 3, Not 0
WScript.Echo True And False, True Or False, False Eqv False, True Imp False
WScript.Echo "a" & 1 & True, "1" + "2", "1" + 2
WScript.Echo 3 > 2, "b" > "a", "B" < "a", 2 <> 2, 2 >= 2, 2 =< 3
WScript.Echo &H10, &HFF&, &O17, 1.5E3, .5, 10.
WScript.Echo (&h01or&h02)
