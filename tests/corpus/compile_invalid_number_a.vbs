' A numeric literal past the largest Double.
WScript.Echo "never"
x = 1 + 1e999
