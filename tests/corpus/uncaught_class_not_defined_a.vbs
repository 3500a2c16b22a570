' New of an unknown class names the class.
WScript.Echo "before"
Set o = New NoSuchClass
