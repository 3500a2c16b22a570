' Number, currency and time formats in the zh-CN regional settings.
' locale: zh-CN
t = #1/2/2003 3:04:05 PM#
WScript.Echo FormatNumber(1234.5), FormatPercent(0.25), FormatCurrency(1234.5), FormatCurrency(0)
WScript.Echo FormatDateTime(t, vbGeneralDate), FormatDateTime(t, vbLongTime), FormatDateTime(t, vbShortTime), CStr(t)
WScript.Echo MonthName(12), WeekdayName(7), CStr(CDate(0)), CDbl("1234.5"), 1.5
