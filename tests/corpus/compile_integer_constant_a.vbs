' Dim bounds must be integer constants.
WScript.Echo "never"
n = 3
Dim a(n)
