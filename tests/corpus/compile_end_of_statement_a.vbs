' Two statements on one line need a colon.
WScript.Echo "never"
While False
x = 0 Wend
