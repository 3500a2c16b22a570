' A name first assigned inside a procedure is local to each call; an existing global is used.
Sub MakesLocal
  implicitLocal = 5
  WScript.Echo "inside", implicitLocal
End Sub
MakesLocal
WScript.Echo "outside", IsEmpty(implicitLocal)
laterGlobal = 1
Sub SeesGlobal
  laterGlobal = laterGlobal + 1
End Sub
SeesGlobal
WScript.Echo laterGlobal
Sub Counter
  calls = calls + 1
  WScript.Echo "calls inside", calls
End Sub
Counter
Counter
