' Built-in constants: the characters behind the string ones and the kinds of the numeric ones.
WScript.Echo Len(vbCrLf), Asc(vbCr), Asc(vbLf), Asc(Mid(vbCrLf, 2)), Len(vbNewLine), Asc(vbTab), Len(vbNullChar), Asc(vbNullChar)
WScript.Echo Len(vbNullString), Asc(vbFormFeed), Asc(vbVerticalTab), vbNewLine = vbCrLf, VarType(vbCrLf), VarType(vbNullString)
WScript.Echo vbObjectError, Hex(vbObjectError), VarType(vbObjectError), vbRed, vbWhite, vbBlue, VarType(vbRed), VarType(vbBlack)
WScript.Echo vbTextCompare, VarType(vbTextCompare), vbDatabaseCompare, vbArray, vbByte, vbDecimal, vbVariant, vbDataObject, vbError
WScript.Echo vbMsgBoxHelpButton, VarType(vbMsgBoxHelpButton), vbUseDefault, vbSunday, vbSaturday, vbFirstFourDays, vbLongTime, vbShortTime
WScript.Echo vbYesNo, vbNo, vbSystemModal, vbExclamation, vbDefaultButton3, VarType(vbYes), VarType(True), VarType(vbTrue), vbTrue
Const I = -5, L = 100000, F = 1.5, B = True, S = "txt", D = #1/1/2000#
WScript.Echo VarType(I), VarType(L), VarType(F), VarType(B), VarType(S), VarType(D)
WScript.Echo vbCrLf = Chr(13) & Chr(10), vbTab = ChrW(9), Len("a" & vbNullChar & "b"), InStr("a" & vbNullChar & "b", vbNullChar)
