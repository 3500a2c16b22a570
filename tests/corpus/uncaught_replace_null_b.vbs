' known-gap: an uncaught error from a built-in function names the function after the description
' Null handed to Replace, as a database field often is, uncaught.
field = Null
WScript.Echo "start"
s = Replace(field, "a", "b")
