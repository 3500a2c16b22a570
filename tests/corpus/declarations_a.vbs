' Public and Private at script level, mixed Dim lists, Eval of a never-assigned name, Const in a method.
Public gx, garr(2)
Private gy
gx = 1: gy = 2: garr(2) = 3
WScript.Echo gx + gy + garr(2)
Sub UsesGlobals
  WScript.Echo gx, gy, UBound(garr)
End Sub
UsesGlobals
v = Eval("neverAssigned")
WScript.Echo IsEmpty(v)
Dim a, b(2), c()
WScript.Echo IsEmpty(a), UBound(b), IsArray(c)
Class WithConsts
  Public Function Twice
    Const factor = 2
    Twice = factor * 21
  End Function
End Class
Set w = New WithConsts
WScript.Echo w.Twice
