' A Sub must end with End Sub.
WScript.Echo "never"
Sub S
End Function
