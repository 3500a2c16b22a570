' FormatNumber, FormatPercent and FormatCurrency in en-US: digits, leading zero, parentheses, grouping.
' locale: en-US
On Error Resume Next
WScript.Echo FormatNumber(1234567.891), FormatNumber(-0.5, 2), FormatNumber(0.123, 2, vbTrue), FormatNumber(0.123, 2, vbFalse), FormatNumber(0, 2)
WScript.Echo FormatNumber(-5, 0, , vbTrue), FormatNumber(1234, 0, , , vbFalse), FormatNumber("1234.5"), FormatNumber(1, -1), FormatNumber(1.5, 4)
WScript.Echo FormatNumber(-1234.5, 2, , vbTrue), FormatNumber(1234.5, 2, , , vbTrue), FormatNumber(True), FormatNumber(Empty)
WScript.Echo FormatPercent(0.1234), FormatPercent(1), FormatPercent(-0.5, 0), FormatPercent(0.005, 1), FormatPercent(12.5, 0, , , vbTrue)
WScript.Echo FormatCurrency(0), FormatCurrency(-1234.4, 0), FormatCurrency(0.5, 2, vbFalse), FormatCurrency(-1, 2, , vbFalse), FormatCurrency(1234567)
WScript.Echo TypeName(FormatNumber(1)), TypeName(FormatCurrency(1)), TypeName(FormatPercent(1))
x = FormatNumber("abc"): WScript.Echo "FormatNumber text:", Err.Number, Err.Description: Err.Clear
x = FormatCurrency("abc"): WScript.Echo "FormatCurrency text:", Err.Number: Err.Clear
x = FormatPercent("abc"): WScript.Echo "FormatPercent text:", Err.Number: Err.Clear
