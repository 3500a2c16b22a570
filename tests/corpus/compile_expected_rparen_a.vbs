' An open parenthesis must be closed before the next operand.
WScript.Echo "never"
x = (1 + 2 * 3 4
