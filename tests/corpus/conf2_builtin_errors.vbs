' Errors of built-ins given bad arguments: 5 for a value out of the function's range, 6 past the target kind, 9 for a missing dimension, 13 for a non-array, 94 for Null where a number is needed; Null passing through where the function allows it.
' locale: en-US
On Error Resume Next
x = Mid("abc", -1): WScript.Echo "Mid start -1:", Err.Number, Err.Description: Err.Clear
x = CInt(40000): WScript.Echo "CInt 40000:", Err.Number, Err.Description: Err.Clear
x = CLng("3000000000"): WScript.Echo "CLng text 3e9:", Err.Number: Err.Clear
x = CByte(256): WScript.Echo "CByte 256:", Err.Number: Err.Clear
x = CCur(1E+20): WScript.Echo "CCur 1e20:", Err.Number: Err.Clear
x = CSng(1E+300): WScript.Echo "CSng 1e300:", Err.Number: Err.Clear
x = CDate(3000000): WScript.Echo "CDate 3e6:", Err.Number: Err.Clear
x = Chr(300): WScript.Echo "Chr 300:", Err.Number: Err.Clear
x = ChrW(65536): WScript.Echo "ChrW 65536:", Err.Number: Err.Clear
x = ChrW(-32769): WScript.Echo "ChrW -32769:", Err.Number: Err.Clear
x = ChrW(-1): WScript.Echo "ChrW -1:", Err.Number, AscW(x): Err.Clear
x = Space(Null): WScript.Echo "Space Null:", Err.Number: Err.Clear
x = Chr(Null): WScript.Echo "Chr Null:", Err.Number: Err.Clear
x = Sqr(Null): WScript.Echo "Sqr Null:", Err.Number: Err.Clear
x = UBound(Array(1), 2): WScript.Echo "UBound dim 2:", Err.Number: Err.Clear
x = UBound(Array(1), 0): WScript.Echo "UBound dim 0:", Err.Number: Err.Clear
x = LBound("x"): WScript.Echo "LBound text:", Err.Number: Err.Clear
x = UBound(Null): WScript.Echo "UBound Null:", Err.Number: Err.Clear
x = Join("abc"): WScript.Echo "Join text:", Err.Number: Err.Clear
x = Filter("abc", "a"): WScript.Echo "Filter text:", Err.Number: Err.Clear
x = Array(1, 2)(2): WScript.Echo "Array(1, 2)(2):", Err.Number, Err.Description: Err.Clear
WScript.Echo TypeName(Int(Null)), TypeName(Fix(Null)), TypeName(Abs(Null)), TypeName(Hex(Null)), TypeName(Oct(Null)), TypeName(Len(Null)), TypeName(Year(Null)), TypeName(Hour(Null)), TypeName(Weekday(Null)), TypeName(StrComp(Null, "a"))
WScript.Echo Err.Number
