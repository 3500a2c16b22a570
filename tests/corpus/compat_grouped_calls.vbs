' Member access and calls on a parenthesised expression, and a line continuation in front of a member access.
Class C
  Public Prop
  Private Sub Class_Initialize
    Prop = 42
  End Sub
  Public Sub Method(tag)
    WScript.Echo "Method", tag
  End Sub
  Public Sub Hello
    WScript.Echo "Hello"
  End Sub
  Public Function Self()
    Set Self = Me
  End Function
  Public Function Ret()
    Set Ret = Me
    calls = calls + 1
  End Function
End Class
Dim calls
calls = 0

x = (New C).Prop
WScript.Echo "(New C).Prop", x
Call (New C).Method("with parentheses")
Call (New C).Hello
WScript.Echo "(New C).Self().Prop", (New C).Self().Prop

Function SetFirst(arr)
  arr(0) = 2
  SetFirst = 1
End Function

a = Array(1)
y = (SetFirst)(a)
WScript.Echo "(f)(x) passes x ByRef:", y, a(0)
a = Array(1)
Call (((SetFirst))) ((a))
WScript.Echo "Call (((f))) ((x)) passes a copy:", a(0)
a = Array(1)
Call (((SetFirst))) (a)
WScript.Echo "Call (((f))) (x) passes x:", a(0)
WScript.Echo "((a))(0)", ((a))(0)
b = Array(Array(5, 6))
WScript.Echo "(b(0))(1)", (b(0))(1)

Set o = New C
o.Ret() _
.Ret()
o _
  .Ret() _
  .Ret()
WScript.Echo "continued member chain calls", calls
z = o.Ret() _
  .Ret() _
  .Prop
WScript.Echo "continued chain in an expression", z, calls
