' known-gap: an uncaught error from a built-in function names the function after the description
' Text that is no number, uncaught in CInt.
WScript.Echo "start"
n = CInt("abc")
