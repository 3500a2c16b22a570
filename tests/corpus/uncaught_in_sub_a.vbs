' An uncaught error inside a procedure names the line and the column of its statement.
Sub Work(n)
  WScript.Echo "work", n
    x = n / 0
  WScript.Echo "not reached"
End Sub
Work 1
WScript.Echo "not reached either"
