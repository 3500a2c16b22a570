' A Function must end with End Function.
WScript.Echo "never"
Function F
End Sub
