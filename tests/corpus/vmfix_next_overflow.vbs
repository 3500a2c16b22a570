' Next adds the step to a Currency counter past the top of its range: Overflow, reported at Next.
On Error Resume Next
For c = 0 To CCur(900000000000000) Step CCur(500000000000000)
  WScript.Echo "body", c
Next
WScript.Echo "resumed after the loop", Err.Number, c
On Error GoTo 0
For c = 0 To CCur(900000000000000) Step CCur(500000000000000)
  WScript.Echo "body", c
 Next
WScript.Echo "not reached"
