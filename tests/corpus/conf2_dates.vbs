' Date built-ins in en-US: month-end clamping in DateAdd, rounded fractional counts, calendar counting in DateDiff, DateSerial normalisation, names.
' locale: en-US
On Error Resume Next
WScript.Echo DateAdd("m", 1, #1/31/2000#), DateAdd("m", 1, #1/31/2001#), DateAdd("yyyy", 1, #2/29/2000#), DateAdd("yyyy", -1, #2/29/2000#), DateAdd("q", -1, #5/31/2000#)
WScript.Echo DateAdd("d", 0.9, #1/1/2000#), DateAdd("d", 1.5, #1/1/2000#), DateAdd("d", -0.5, #1/1/2000#), DateAdd("h", 1.5, #1/1/2000#), DateAdd("m", 2.5, #1/1/2000#), DateAdd("d", "2", #1/1/2000#)
WScript.Echo DateAdd("s", 1, #1/1/2000 11:59:59 PM#), DateAdd("n", 90, #12/31/1999 11:00:00 PM#), DateAdd("ww", -1, #1/3/2000#), DateAdd("w", 7, #1/1/2000#), DateAdd("y", 366, #1/1/2000#)
WScript.Echo DateAdd("d", 1, #12/30/1899#), DateAdd("d", -1, #12/30/1899#), DateAdd("D", 1, #1/1/2000#), DateAdd("YYYY", 1, #1/1/2000#), TypeName(DateAdd("d", 1, #1/1/2000#))
WScript.Echo DateDiff("d", #1/1/2000#, #1/1/2001#), DateDiff("m", #1/31/2000#, #2/1/2000#), DateDiff("yyyy", #12/31/1999#, #1/1/2000#), DateDiff("q", #1/1/2000#, #12/31/2000#), DateDiff("y", #1/1/2000#, #3/1/2000#)
WScript.Echo DateDiff("ww", #1/1/2000#, #1/31/2000#), DateDiff("ww", #1/1/2000#, #1/31/2000#, vbMonday), DateDiff("w", #1/1/2000#, #1/31/2000#), DateDiff("ww", #1/2/2000#, #1/9/2000#), DateDiff("ww", #1/9/2000#, #1/2/2000#), DateDiff("w", #1/9/2000#, #1/1/2000#)
WScript.Echo DateDiff("h", #1/1/2000#, #1/2/2000#), DateDiff("n", #1/1/2000#, #1/1/2000 1:00:00 AM#), DateDiff("s", #1/1/2000#, #1/2/2000#), DateDiff("d", #1/1/2000 11:00:00 PM#, #1/2/2000 1:00:00 AM#), DateDiff("h", #1/1/2000 12:59:00 PM#, #1/1/2000 1:01:00 PM#)
WScript.Echo DateDiff("d", "1/1/2000", "1/10/2000"), TypeName(DateDiff("d", #1/1/2000#, #1/2/2000#)), DateDiff("d", #1/2/2000 1:00:00 AM#, #1/1/2000 11:00:00 PM#), DateDiff("m", #2/29/2000#, #2/28/2001#), DateDiff("yyyy", #1/1/1900#, #1/1/2000#)
WScript.Echo DatePart("w", #1/1/2000#, vbSaturday), DatePart("q", #12/31/2000#), DatePart("y", #3/1/2000#), DatePart("yyyy", #12/30/1899#), DatePart("h", 0.5), DatePart("n", #1:02:03 AM#), DatePart("s", "1:02:03"), TypeName(DatePart("d", #1/1/2000#))
WScript.Echo Year(#12/31/9999#), Month(-1), Day(-1.5), Hour(-1.25), Minute(-0.5), Hour(#11:59:59 PM#), Second(#11:59:59 PM#)
WScript.Echo DateSerial(2000, 13, 1), DateSerial(2000, 1, 0), DateSerial(2000, 3, -1), DateSerial(2000, -12, 1), DateSerial(2000, 0, 1), DateSerial(2000, 2, 30), DateSerial(1999, 24, 31)
WScript.Echo TimeSerial(24, 0, 0), TimeSerial(12, -30, 0), TimeSerial(1, 1, -61), TimeSerial(0, 0, 32767), TypeName(TimeSerial(1, 0, 0))
WScript.Echo Weekday(#1/2/2000#), Weekday(#1/2/2000#, vbSaturday), Weekday(#1/2/2000#, vbUseSystemDayOfWeek), Weekday("1/3/2000"), WeekdayName(1, True, vbMonday), WeekdayName(7, False, vbSaturday), WeekdayName(3, 1)
WScript.Echo MonthName(1, False), MonthName(5, True), MonthName(9, 0), MonthName("12"), MonthName(2.6), WeekdayName(6.5), TypeName(MonthName(1))
WScript.Echo FormatDateTime(#1/2/2003 3:04:05 PM#, vbLongDate), FormatDateTime(#11/25/2003#, vbLongDate), FormatDateTime(#1/2/2003 3:04:05 PM#, vbLongTime), FormatDateTime(#1/2/2003 3:04:05 PM#, vbShortTime)
x = DateAdd("m", 1, #12/31/9999#): WScript.Echo "past 9999:", Err.Number: Err.Clear
x = TimeSerial(0, 0, 32768): WScript.Echo "TimeSerial 32768 seconds:", Err.Number: Err.Clear
x = DateDiff("x", #1/1/2000#, #1/1/2000#): WScript.Echo "DateDiff bad interval:", Err.Number: Err.Clear
x = DatePart("ww", #1/1/2000#, 8): WScript.Echo "DatePart firstday 8:", Err.Number: Err.Clear
x = WeekdayName(8): WScript.Echo "WeekdayName 8:", Err.Number: Err.Clear
x = MonthName(0): WScript.Echo "MonthName 0:", Err.Number: Err.Clear
