' An operator needs an operand.
WScript.Echo "never"
x = 1 + * 2
