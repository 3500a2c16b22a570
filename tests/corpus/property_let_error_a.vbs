' An error raised in a Property Let reaches the assigning statement with its own number, source and text.
Class Account
  Private balance_
  Public Property Let Balance(v)
    If v < 0 Then Err.Raise vbObjectError + 1, "Account", "negative balance"
    balance_ = v
  End Property
  Public Property Get Balance
    Balance = balance_
  End Property
End Class
Set a = New Account
a.Balance = 10
On Error Resume Next
a.Balance = -5
WScript.Echo Err.Number - vbObjectError, Err.Source, Err.Description, a.Balance
