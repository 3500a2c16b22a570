' Under Option Explicit the uncaught error names the undeclared variable.
Option Explicit
Dim total
total = 1
WScript.Echo "before"
total = missingname + 1
