' A compile error stops the script before anything runs.
WScript.Echo "never"
x = 0 End If
