' Only Case may follow Select Case.
WScript.Echo "never"
Select Case 1
  x = 1
  Case 1
End Select
