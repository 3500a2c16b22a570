' Err.Raise of a number VBScript has no text for, uncaught: the standard source and "Unknown runtime error".
WScript.Echo "start"
Err.Raise 1000
WScript.Echo "not reached"
