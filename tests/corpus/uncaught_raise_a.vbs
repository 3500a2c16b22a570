' Err.Raise with only a number gets the standard text and source.
WScript.Echo "first"
If True Then
   Err.Raise 9
End If
