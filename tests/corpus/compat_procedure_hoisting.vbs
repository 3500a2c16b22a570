' Sub and Function declarations inside script-level blocks are defined whatever the condition, before any code runs; a second definition of a name replaces the first.
WScript.Echo Twice(4)
Early
If False Then
  Sub Early
    WScript.Echo "Early runs though its If never did"
  End Sub
  Function Twice(n)
    Twice = n * 2
  End Function
End If

For i = 1 To 0
  Sub InLoop() WScript.Echo "declared in a loop that never ran" End Sub
Next
InLoop

Do While False
  Sub LoopExit
    ' Exit Sub is fine; the enclosing Do is not this procedure's
    Exit Sub
  End Sub
Loop
LoopExit
WScript.Echo "Exit Sub in a procedure inside Do"

WScript.Echo "before the definitions:", Dup()
Function Dup
  Dup = "first"
End Function
Sub Dup
  WScript.Echo "the Sub"
End Sub
Function Dup()
  Dup = "last"
End Function
WScript.Echo "after the definitions:", Dup()
Set r = GetRef("Dup")
WScript.Echo "GetRef gives the last:", r()
