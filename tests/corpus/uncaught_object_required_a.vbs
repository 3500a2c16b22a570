' known-gap: an uncaught error does not name the identifier it concerns
' Using a member of a variable that holds no object names the variable.
Dim conn
WScript.Echo "before"
conn.Open
