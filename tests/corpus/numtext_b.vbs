' Text read as a number in en-US: currency symbol, grouping and parentheses as Automation's parser takes them.
' locale: en-US
On Error Resume Next
WScript.Echo CDbl("1,234.5"), CCur("1,234.56"), IsNumeric("1,234")
WScript.Echo CDbl("$1,234.50"), CCur("$1,234.56"), IsNumeric("$1")
WScript.Echo CDbl("(5)"), CLng("(1,000)"), IsNumeric("(5)")
WScript.Echo Err.Number
