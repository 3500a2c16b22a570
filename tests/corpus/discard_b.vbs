' Conversions whose result is thrown away raise 458.
' A conversion called as a statement (its result thrown away) raises 458; Abs does not.
On Error Resume Next
Call CInt(1): WScript.Echo "Call CInt(1):", Err.Number: Err.Clear
Call CByte(1): WScript.Echo "Call CByte(1):", Err.Number: Err.Clear
Call CLng(1): WScript.Echo "Call CLng(1):", Err.Number: Err.Clear
Call CDbl(1): WScript.Echo "Call CDbl(1):", Err.Number: Err.Clear
Call CSng(1): WScript.Echo "Call CSng(1):", Err.Number: Err.Clear
Call CCur("-1"): WScript.Echo "Call CCur(""-1""):", Err.Number: Err.Clear
Call CDate(1): WScript.Echo "Call CDate(1):", Err.Number: Err.Clear
Call CInt(32767.5): WScript.Echo "Call CInt(32767.5):", Err.Number: Err.Clear
Call CDate(""): WScript.Echo "Call CDate(""""):", Err.Number: Err.Clear
Call Abs(-4): WScript.Echo "Call Abs(-4):", Err.Number: Err.Clear
x = Randomize(0): WScript.Echo "x = Randomize(0):", Err.Number: Err.Clear
