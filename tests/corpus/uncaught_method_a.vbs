' An error raised in a class method with a source and description of its own.
Class Account
  Public Sub Withdraw(amount)
    If amount > 10 Then
      Err.Raise vbObjectError + 7, "Account", "Not enough money"
    End If
  End Sub
End Class
Set acct = New Account
acct.Withdraw 5
WScript.Echo "small withdrawal"
acct.Withdraw 50
WScript.Echo "not reached"
