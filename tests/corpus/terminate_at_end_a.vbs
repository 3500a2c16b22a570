' Objects still alive when the script ends are terminated as the engine closes.
Class Resource
  Public Name
  Private Sub Class_Terminate
    WScript.Echo "terminate", Name
  End Sub
End Class
Set r = New Resource
r.Name = "kept to the end"
WScript.Echo "last line"
