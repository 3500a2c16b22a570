' A character that starts no token.
WScript.Echo "never"
x = 1 @ 2
