' IsNumeric and CDbl of text written the ways Automation's number parser accepts: radix prefixes, padding, exponents, signs on either side.
' locale: en-US
WScript.Echo IsNumeric("&H10"), IsNumeric(" 12 "), IsNumeric("1e3"), IsNumeric("$12"), IsNumeric("&O17"), IsNumeric("&HZZ"), IsNumeric("+5"), IsNumeric("5-"), IsNumeric("5+")
WScript.Echo IsNumeric("1.e2"), IsNumeric(".5e-1"), IsNumeric("0x10"), IsNumeric("&H"), IsNumeric("1E"), IsNumeric("1E+"), IsNumeric("-$1"), IsNumeric("True"), IsNumeric("-5-")
WScript.Echo IsNumeric(#1/1/2000#), IsNumeric(Array(1)), IsNumeric(CByte(0)), IsNumeric(CCur(0)), IsNumeric("Infinity"), IsNumeric("1/2")
WScript.Echo CDbl("5-"), CDbl("5+"), CLng("1,000-"), "2-" + 1, CDbl("&H10"), CDbl("&HFFFF"), CLng("&HFFFFFFFF"), CDbl(" 1e3 "), CDbl(".5"), CDbl("5.")
On Error Resume Next
x = CDbl("-5-"): WScript.Echo "CDbl(""-5-""):", Err.Number: Err.Clear
x = CDbl("5 5"): WScript.Echo "CDbl(""5 5""):", Err.Number: Err.Clear
