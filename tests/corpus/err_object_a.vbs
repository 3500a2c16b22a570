' Err.Raise number rules, kept and standard source and description, Clear, the default member.
On Error Resume Next
Sub Show(label)
  WScript.Echo label, Err.Number, "[" & Err.Source & "]", "[" & Err.Description & "]"
  Err.Clear
End Sub
Err.Raise 0
Show "raise 0"
Err.Raise &h8000
WScript.Echo "raise &h8000", Err.Number
Err.Clear
Err.Raise &hFFFF
WScript.Echo "raise &hFFFF", Err.Number
Err.Clear
Err.Raise &h10000&
Show "raise &h10000&"
Err.Raise -3000000000
Show "raise -3e9"
Err.Raise 6
Show "raise 6"
Err.Raise "13"
Show "raise text 13"
Err.Raise 11, "Mine"
Show "own source"
Err.Raise 11, , "own text"
Show "own text"
Err.Raise 1000, "First", "first text"
Err.Raise 1001
Show "kept"
Err.Raise 1000, "First", "first text"
Err.Clear
Err.Raise 11
Show "cleared first"
Err.Raise vbObjectError + 513, "App", "app failure"
WScript.Echo Err.Number - vbObjectError, Err = vbObjectError + 513
Err.Clear
x = 1 / 0
e = Err
WScript.Echo e, VarType(e)
Err.Clear
WScript.Echo Err.Number, "[" & Err.Source & "]", "[" & Err.Description & "]"
Err.Raise 9
On Error GoTo 0
WScript.Echo "goto 0 clears", Err.Number
