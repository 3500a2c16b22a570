' Arithmetic on dates: adding days and fractions keeps a Date, a difference is days, leaving 100-01-01 .. 9999-12-31 overflows.
' locale: en-US
On Error Resume Next
d = #1/31/2000 6:00:00 PM#
WScript.Echo d + 1, d - 0.25, TypeName(d + 1), d - #1/30/2000#, TypeName(d - #1/30/2000#), d + "1", TypeName(d + "1"), #12/31/9999# + 0.5
x = #12/31/9999# + 1: WScript.Echo "after 9999:", Err.Number, Err.Description: Err.Clear
x = #1/1/100# - 1: WScript.Echo "before 100:", Err.Number: Err.Clear
x = DateAdd("d", 1, #12/31/9999#): WScript.Echo "DateAdd after 9999:", Err.Number: Err.Clear
