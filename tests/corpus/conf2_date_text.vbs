' CDate and IsDate of text in en-US: ISO order, month names, 24-hour and AM/PM clocks, day/month swapped when only that order is valid.
' locale: en-US
WScript.Echo IsDate("1/1/2000"), IsDate("2000-01-01"), IsDate("Jan 1 2000"), IsDate("1 January 2000"), IsDate("13/13/2000"), IsDate("12:00"), IsDate("25:00"), IsDate("1/1"), IsDate("10 PM"), IsDate("1/1/10000"), IsDate("2/29/2001")
WScript.Echo CDate("2000-01-31"), CDate("Jan 31 2000"), CDate("31 January 2000"), CDate("1/31/2000 13:45"), CDate("13:45:10"), CDate("1:45 PM"), CDate("12:00 AM"), CDate("12:30 PM")
WScript.Echo CDate("Feb 2000"), CDate("2000/2/3"), CDate("31/1/2000"), CDate("1-Feb-03"), CDate("02/03/04"), CDate("2/3/1999 0:00"), CDate("December 25, 2003 6:30 PM")
WScript.Echo CDate(0.25), CDate(-0.25), CDate(2.75), CDate(36526.5), CDate(True), TypeName(CDate("1/1/2000")), CDate(CDate("1/2/2003")) = #1/2/2003#
WScript.Echo DateValue("December 25, 2003 6:30 PM"), TimeValue("December 25, 2003 6:30 PM"), TypeName(DateValue("1/1/2000")), TimeValue("18:30") = #6:30:00 PM#
WScript.Echo #1/1/2000 12:00:00 AM#, #12:00:00 AM#, #1/1/2000 12:00:01 AM#, #12/30/1899 1:00:00 PM#, #12/31/1899#, #2000-02-03#, #Feb 3, 2000#, #3 Feb 2000 13:00#
