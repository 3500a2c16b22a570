' Exit For and Exit Do leave every inner loop of another kind; Stop does nothing without a debugger.
For i = 1 To 3
  n = 0
  Do
    n = n + 1
    If i = 2 Then Exit For
    If n = 2 Then Exit Do
  Loop
  WScript.Echo "i", i, "n", n
Next
WScript.Echo "left at", i, n
Do
  For Each v In Array("a", "b")
    While True
      Exit Do
    Wend
  Next
Loop
WScript.Echo "exit do from inside while", v
Stop
WScript.Echo "Stop is ignored without a debugger"
