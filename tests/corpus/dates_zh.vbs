' Dates in the zh-CN regional settings.
' locale: zh-CN
d = DateSerial(2003, 1, 5)
WScript.Echo d
t = CDate("2003-01-05 09:03:07")
WScript.Echo t, CStr(TimeSerial(13, 5, 0))
WScript.Echo MonthName(1), WeekdayName(1)
WScript.Echo FormatDateTime(t, vbLongDate), FormatDateTime(t, vbShortDate)
WScript.Echo GetLocale(), SetLocale(1033), GetLocale()
WScript.Echo d
