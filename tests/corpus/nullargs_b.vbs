' Which error each built-in raises for Null, or a bad value, in each argument position.
On Error Resume Next
x = Sgn(Null): WScript.Echo "Sgn(Null):", Err.Number: Err.Clear
x = DateSerial(Null, 1, 1): WScript.Echo "DateSerial(Null, 1, 1):", Err.Number: Err.Clear
x = DateSerial(2000, 1, Null): WScript.Echo "DateSerial(2000, 1, Null):", Err.Number: Err.Clear
x = TimeSerial(Null, 1, 1): WScript.Echo "TimeSerial(Null, 1, 1):", Err.Number: Err.Clear
x = Weekday(Null, -1): WScript.Echo "Weekday(Null, -1):", Err.Number: Err.Clear
x = Weekday(Null, Null): WScript.Echo "Weekday(Null, Null):", Err.Number: Err.Clear
x = Weekday(Null, "a"): WScript.Echo "Weekday(Null, ""a""):", Err.Number: Err.Clear
x = MonthName("a", Null): WScript.Echo "MonthName(""a"", Null):", Err.Number: Err.Clear
x = InStrRev("abcd", Null, 2, 0): WScript.Echo "InStrRev(""abcd"", Null, 2, 0):", Err.Number: Err.Clear
x = InStrRev(Null, "abcd", 2, 0): WScript.Echo "InStrRev(Null, ""abcd"", 2, 0):", Err.Number: Err.Clear
x = Mid("test", "a", Null): WScript.Echo "Mid(""test"", ""a"", Null):", Err.Number: Err.Clear
x = Mid("test", 0, Null): WScript.Echo "Mid(""test"", 0, Null):", Err.Number: Err.Clear
x = FormatNumber(Null): WScript.Echo "FormatNumber(Null):", Err.Number: Err.Clear
x = FormatCurrency(Null): WScript.Echo "FormatCurrency(Null):", Err.Number: Err.Clear
x = FormatPercent(Null): WScript.Echo "FormatPercent(Null):", Err.Number: Err.Clear
x = FormatDateTime(Null): WScript.Echo "FormatDateTime(Null):", Err.Number: Err.Clear
