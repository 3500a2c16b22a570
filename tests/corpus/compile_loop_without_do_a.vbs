' Loop with no Do open.
WScript.Echo "never"
If True Then
  Loop
End If
