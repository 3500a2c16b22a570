' Uncaught errors name what they are about.
' Using a member of a variable that holds no object names the variable.
Dim conn
WScript.Echo "before"
conn.Open
