' ByRef and ByVal parameters of class methods; a failing Class_Initialize leaves the target alone; a missing member inside With.
Class M
  Public Sub Bump(x)
    x = x + 1
  End Sub
  Public Sub BumpVal(ByVal x)
    x = x + 1
  End Sub
End Class
Set o = New M
n = 1
o.Bump n
WScript.Echo n
o.BumpVal n
WScript.Echo n
Dim arr(1)
arr(0) = 10
o.Bump arr(0)
WScript.Echo arr(0)
o.Bump (n)
WScript.Echo n
Call o.Bump(n)
WScript.Echo n
Class Failing
  Private Sub Class_Initialize
    Err.Raise 5, "Failing", "cannot start"
  End Sub
End Class
On Error Resume Next
Set f = o
Set f = New Failing
WScript.Echo Err.Number, Err.Source, TypeName(f)
Err.Clear
With o
  .Missing
  WScript.Echo "after missing", Err.Number
End With
Err.Clear
