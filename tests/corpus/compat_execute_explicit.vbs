' Under Option Explicit, a variable that Execute declares inside a Sub is the Sub's own for the code after it; it does not outlive the call or reach other procedures.
Option Explicit
Sub S
  Execute "Dim v : v = 20"
  WScript.Echo "read after Execute", v
  v = v + 1
  WScript.Echo "written", v, Eval("v * 2")
  Other
End Sub
Sub Other
  On Error Resume Next
  WScript.Echo v
  WScript.Echo "another Sub does not see it", Err.Number
End Sub
S
On Error Resume Next
WScript.Echo v
WScript.Echo "script level does not see it", Err.Number
Err.Clear
S
