' known-gap: RegExp.Replace turns a Boolean replacement into "True" instead of "-1"
' RegExp.Replace converts a non-text replacement without the VBScript Boolean words.
Set re = New RegExp
re.Pattern = "\[([^\[]+)\]"
WScript.Echo re.Replace("- [test] -", True)
