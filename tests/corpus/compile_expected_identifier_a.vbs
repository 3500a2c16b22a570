' Dim needs a name.
WScript.Echo "never"
Dim 5
