' RegExp.Replace converts a non-text replacement without the VBScript Boolean words.
Set re = New RegExp
re.Pattern = "\[([^\[]+)\]"
WScript.Echo re.Replace("- [test] -", True)
