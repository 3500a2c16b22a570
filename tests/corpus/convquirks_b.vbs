' Conversions of Booleans and of text that Automation's converters take as they stand.
' locale: en-US
On Error Resume Next
x = CByte(True): WScript.Echo "CByte(True):", x, TypeName(x), Err.Number: Err.Clear
x = CBool("#TRUE#"): WScript.Echo "CBool(""#TRUE#""):", x, Err.Number: Err.Clear
x = CBool("#FALSE#"): WScript.Echo "CBool(""#FALSE#""):", x, Err.Number: Err.Clear
x = CDate("1"): WScript.Echo "CDate(""1""):", x, Err.Number: Err.Clear
x = Round(True): WScript.Echo "Round(True):", x, TypeName(x), TypeName(Round(False))
