' Next with no For open.
WScript.Echo "never"
If True Then
  Next
End If
