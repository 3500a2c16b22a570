' A counter the body turned into text fails when Next steps it: the error is the Next statement's.
Sub Count
  Dim i
  For i = 1 To 3
    WScript.Echo "pass", i
    If i = 2 Then i = "two"
      Next
  WScript.Echo "not reached"
End Sub
Count
