' Err.Raise with numbers VBScript has no text for, application numbers built on vbObjectError, numbers given as text or fractions, errors raised in a called Sub.
On Error Resume Next
Sub Show(label)
  WScript.Echo label, Err.Number, "[" & Err.Source & "]", "[" & Err.Description & "]"
  Err.Clear
End Sub
Err.Raise 1000
Show "1000"
Err.Raise 32767
Show "32767"
Err.Raise vbObjectError + 5, "My.Obj", "custom"
WScript.Echo Err.Number, Hex(Err.Number), Err.Number - vbObjectError, Err.Number = &H80040005, TypeName(Err.Number)
Show "app"
WScript.Echo vbObjectError, TypeName(vbObjectError), Hex(vbObjectError), vbObjectError + 512, TypeName(vbObjectError + 1), vbObjectError - 1, TypeName(vbObjectError - 1), vbObjectError \ 65536
Err.Raise 5.6
Show "5.6"
Err.Raise "9"
Show "text 9"
Err.Raise "abc"
Show "text abc"
Sub Failing()
  Err.Raise 5000, "Failing", "from a sub"
  WScript.Echo "not reached"
End Sub
Failing
Show "from sub"
Function Half(n)
  Half = n / 2
  If n = 0 Then Err.Raise 11
  Half = Half + 100
End Function
r = Half(0)
WScript.Echo "r:", "[" & r & "]"
Show "from function"
r = Half(4)
WScript.Echo "r:", r, Err.Number
