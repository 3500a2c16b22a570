' Text whose number lies past the Double range overflows (6) instead of mismatching (13).
' locale: en-US
On Error Resume Next
x = CDbl("1e999"): WScript.Echo "CDbl(""1e999""):", Err.Number: Err.Clear
x = CDbl("-1e400"): WScript.Echo "CDbl(""-1e400""):", Err.Number: Err.Clear
x = "1e999" + 0: WScript.Echo "text + 0:", Err.Number: Err.Clear
