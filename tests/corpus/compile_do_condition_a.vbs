' Do takes only While or Until.
WScript.Echo "never"
Do x
Loop
