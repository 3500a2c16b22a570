' Uncaught errors of built-ins name the function.
' Text that is no number, uncaught in CInt.
WScript.Echo "start"
n = CInt("abc")
