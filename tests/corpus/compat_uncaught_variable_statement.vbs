' An uncaught 13 for a declared variable named as a statement names the variable.
Dim count
count = 42
WScript.Echo "before"
count
