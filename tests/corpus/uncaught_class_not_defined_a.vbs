' known-gap: an uncaught error does not name the identifier it concerns
' New of an unknown class names the class.
WScript.Echo "before"
Set o = New NoSuchClass
