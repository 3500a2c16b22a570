' FormatNumber, FormatPercent and FormatCurrency in en-US: half away from zero on the shown digits, the leading-zero, parentheses and grouping options, kinds of input.
' locale: en-US
On Error Resume Next
WScript.Echo FormatNumber(0.5, 0), FormatNumber(1.5, 0), FormatNumber(2.5, 0), FormatNumber(-0.5, 0), FormatNumber(123456789), FormatNumber(1E+15, 0), FormatNumber(999.995, 2)
WScript.Echo FormatNumber(-0.5, 2, vbFalse), FormatNumber(-0.5, 2, vbFalse, vbTrue), FormatNumber(1234.5, 0), FormatNumber(CCur(-1234.5678), 3), FormatNumber(1 / 3, 10), FormatNumber(12345, 2, , , vbFalse)
WScript.Echo FormatNumber("1e3", 1), FormatNumber(CByte(5), 1), FormatNumber(-1, 2, vbUseDefault, vbUseDefault, vbUseDefault), FormatNumber(1E-10, 2), FormatNumber(0.001, 3, vbFalse)
WScript.Echo FormatPercent(0), FormatPercent(0.5, 0), FormatPercent(-0.001), FormatPercent(0.12345, 3), FormatPercent(123.456, 1), FormatPercent(0.5, , vbFalse), FormatPercent(0.005, , vbFalse), FormatPercent(-0.5, 2, , vbTrue), FormatPercent("0.25")
WScript.Echo FormatCurrency(1), FormatCurrency(-1), FormatCurrency(1.005), FormatCurrency(1234.5678, 3), FormatCurrency(1234, 0, , , vbFalse), FormatCurrency(-1234, 2, , vbTrue), FormatCurrency(CCur(9.99)), FormatCurrency(-0.5, 2, vbFalse)
x = FormatNumber(Array(1)): WScript.Echo "array:", Err.Number: Err.Clear
