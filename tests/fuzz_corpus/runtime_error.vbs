' An uncaught run-time error stops the script and names file, line and column.
Dim a
WScript.Echo "before"
a = 1 / 0
WScript.Echo "after"
