' DatePart "ww" around New Year under each first-week rule, with Windows' week 53 for the Monday that opens week 1.
' locale: en-US
WScript.Echo DatePart("ww", #12/28/2003#, vbMonday, vbFirstFourDays), DatePart("ww", #12/29/2003#, vbMonday, vbFirstFourDays), DatePart("ww", #12/30/2003#, vbMonday, vbFirstFourDays), DatePart("ww", #12/31/2003#, vbMonday, vbFirstFourDays), DatePart("ww", #1/4/2004#, vbMonday, vbFirstFourDays)
WScript.Echo DatePart("ww", #12/31/2001#, vbMonday, vbFirstFourDays), DatePart("ww", #1/1/2002#, vbMonday, vbFirstFourDays), DatePart("ww", #12/31/2004#, vbMonday, vbFirstFourDays), DatePart("ww", #1/2/2005#, vbMonday, vbFirstFourDays), DatePart("ww", #1/3/2005#, vbMonday, vbFirstFourDays)
WScript.Echo DatePart("ww", #1/1/2010#, vbMonday, vbFirstFourDays), DatePart("ww", #1/4/2010#, vbMonday, vbFirstFourDays), DatePart("ww", #12/31/2009#, vbMonday, vbFirstFourDays), DatePart("ww", #1/5/2010#)
WScript.Echo DatePart("ww", #12/31/2003#), DatePart("ww", #12/31/2003#, vbMonday), DatePart("ww", #12/31/2003#, vbSunday, vbFirstFullWeek), DatePart("ww", #1/3/2004#, vbSunday, vbFirstFullWeek), DatePart("ww", #1/4/2004#, vbSunday, vbFirstFullWeek)
WScript.Echo DatePart("ww", #12/31/2003#, vbSunday, vbFirstFourDays), DatePart("ww", #1/3/2004#, vbSunday, vbFirstFourDays), DatePart("ww", #1/4/2004#, vbSunday, vbFirstFourDays)
