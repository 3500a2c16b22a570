' A block If needs Then before its statement.
WScript.Echo "never"
If x = 1 WScript.Echo "a"
