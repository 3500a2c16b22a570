' Inside a class a method hides a global function of the same name.
Function Describe()
  Describe = "global describe"
End Function
Class Widget
  Public Function Describe()
    Describe = "member describe"
  End Function
  Public Function Run()
    Run = Describe() & " / " & Describe
  End Function
End Class
Set w = New Widget
WScript.Echo w.Run(), "/", Describe()
