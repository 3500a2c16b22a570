' Uncaught errors of built-ins name the function.
' Null handed to Replace, as a database field often is, uncaught.
field = Null
WScript.Echo "start"
s = Replace(field, "a", "b")
