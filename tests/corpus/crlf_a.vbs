' Windows line ends and tabs: lines and columns count the same.
x = 1 + _
	2
WScript.Echo x
If x = 3 Then
	WScript.Echo "tab indented"
End If
s = "a" & vbCrLf & "b"
WScript.Echo Len(s)
Sub Fail
	y = 1 / 0
End Sub
Fail
