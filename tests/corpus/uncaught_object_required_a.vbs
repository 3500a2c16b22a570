' known-gap: the uncaught message does not name the variable that holds no object ('conn')
' Using a member of a variable that holds no object names the variable.
Dim conn
WScript.Echo "before"
conn.Open
