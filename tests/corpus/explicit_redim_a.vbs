' ReDim declares its name under Option Explicit, globally and in a procedure.
Option Explicit
ReDim fresh(2)
fresh(1) = "declared by ReDim"
WScript.Echo fresh(1)
Sub S
  ReDim localArr(1)
  localArr(0) = "local"
  WScript.Echo localArr(0)
End Sub
S
