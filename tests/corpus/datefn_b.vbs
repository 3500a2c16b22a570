' Date functions in en-US: DateSerial/TimeSerial overflow into the next unit, DateAdd/DateDiff/DatePart per interval.
' locale: en-US
On Error Resume Next
WScript.Echo DateSerial(2003, 14, 35), DateSerial(2003, 0, 0), DateSerial(2003, -1, 1), DateSerial(2003, 2, 29), DateSerial(99, 1, 1)
WScript.Echo TimeSerial(25, 0, 0), TimeSerial(12, 90, 0), TimeSerial(0, 0, 3661), CDate(1.5), CDate(-1)
WScript.Echo DateAdd("d", 1, #1/31/2003#), DateAdd("m", -1, #3/31/2003#), DateAdd("q", 1, #11/30/2003#), DateAdd("ww", 2, #1/1/2003#)
WScript.Echo DateAdd("h", 25, #1/1/2003#), DateAdd("n", -1, #1/1/2003#), DateAdd("s", 3600, #1/1/2003#), DateAdd("y", 1, #12/31/2003#), DateAdd("w", 1, #1/1/2003#)
WScript.Echo DateAdd("d", 1, "1/1/2003"), #1/1/2003# - 1, TypeName(DateAdd("d", 1, "1/1/2003"))
x = DateAdd("x", 1, #1/1/2003#): WScript.Echo "DateAdd bad interval:", Err.Number, Err.Description: Err.Clear
x = DateAdd("yyyy", 10000, #1/1/2003#): WScript.Echo "DateAdd past 9999:", Err.Number: Err.Clear
WScript.Echo DateDiff("w", #1/1/2003#, #1/5/2003#), DateDiff("ww", #1/1/2003#, #1/5/2003#), DateDiff("d", #1/2/2003#, #1/1/2003#), DateDiff("y", #1/1/2003#, #1/3/2003#)
WScript.Echo DateDiff("h", #1/1/2003 11:00:00 PM#, #1/2/2003 1:00:00 AM#), DateDiff("n", #1/1/2003 10:59:59 AM#, #1/1/2003 11:00:00 AM#), DateDiff("s", #1/1/2003 10:59:59 AM#, #1/1/2003 11:00:00 AM#)
WScript.Echo DateDiff("q", #3/31/2003#, #4/1/2003#), DateDiff("d", #1/1/2003 11:59:00 PM#, #1/2/2003 12:01:00 AM#), DateDiff("m", #1/1/2003#, #12/31/2002#), DateDiff("yyyy", #1/1/2003#, #12/31/2003#)
WScript.Echo DatePart("ww", #1/1/2003#), DatePart("ww", #12/31/2003#), DatePart("w", #1/1/2003#), DatePart("w", #1/1/2003#, vbMonday), DatePart("y", #12/31/2004#)
WScript.Echo DatePart("h", #1/1/2003 3:04:05 PM#), DatePart("n", #1/1/2003 3:04:05 PM#), DatePart("s", #1/1/2003 3:04:05 PM#), DatePart("yyyy", "2/3/2004"), DatePart("m", "2/3/2004"), DatePart("d", "2/3/2004")
WScript.Echo Weekday(#1/1/2003#, vbMonday), WeekdayName(1, False, vbMonday), WeekdayName(7, True), MonthName(2, True)
x = Weekday(#1/1/2003#, 8): WScript.Echo "Weekday firstday 8:", Err.Number: Err.Clear
x = WeekdayName(0): WScript.Echo "WeekdayName 0:", Err.Number: Err.Clear
x = MonthName(13): WScript.Echo "MonthName 13:", Err.Number: Err.Clear
WScript.Echo TypeName(Year(Null)), Month("2/3/2003"), Day(36526), Year(0), Hour(0.75), Minute(0.75), TypeName(Hour(0.75))
WScript.Echo DateValue("1/2/2003 3:00:00 PM"), TimeValue("1/2/2003 3:00:00 PM"), CDate("Jan 2, 2003"), CDate("3:04 pm")
x = DateValue("x"): WScript.Echo "DateValue x:", Err.Number: Err.Clear
x = CDate("x"): WScript.Echo "CDate x:", Err.Number, Err.Description: Err.Clear
WScript.Echo FormatDateTime(#1/2/2003 3:04:05 PM#), FormatDateTime(#1/2/2003#, vbGeneralDate), FormatDateTime(#3:04:05 PM#, vbGeneralDate), FormatDateTime(#3:04:05 PM#, vbShortTime)
x = FormatDateTime("x"): WScript.Echo "FormatDateTime x:", Err.Number: Err.Clear
x = FormatDateTime(#1/2/2003#, 5): WScript.Echo "FormatDateTime format 5:", Err.Number: Err.Clear
