' Leaving a With block by Exit For or Exit Function releases its object.
Class Probe
  Public Name
  Private Sub Class_Terminate
    WScript.Echo "terminate", Name
  End Sub
End Class
For i = 1 To 3
  Set o = New Probe
  o.Name = "loop " & i
  With o
    Set o = Nothing
    If i = 1 Then Exit For
  End With
Next
WScript.Echo "after exit for"
Function Find()
  Set p = New Probe
  p.Name = "in function"
  With p
    Set p = Nothing
    For Each x In Array(1, 2)
      Find = .Name
      Exit Function
    Next
  End With
End Function
WScript.Echo Find()
WScript.Echo "after exit function"
