' Keywords as member names after a dot, declared with brackets.
Class K
  Public [End], [Next], [Loop], [Select], [Set], [Let], [New], [Then], [If], [Error], [Sub], [Each], [To], [Nothing]
  Public Function [Function](v)
    [Function] = "function " & v
  End Function
End Class
Set o = New K
o.End = "end"
o.Next = "next"
o.Loop = "loop"
o.Select = "select"
o.Set = "set"
o.Let = "let"
o.New = "new"
o.Then = "then"
o.If = "if"
o.Error = "error"
o.Sub = "sub"
o.Each = "each"
o.To = "to"
o.Nothing = "nothing"
WScript.Echo o.End, o.Next, o.Loop, o.Select, o.Set, o.Let, o.New
WScript.Echo o.Then, o.If, o.Error, o.Sub, o.Each, o.To, o.Nothing
WScript.Echo o.Function(1)
With o
  .End = "with end"
  .Loop = "with loop"
  WScript.Echo .End, .Loop, .Function(2)
End With
If o.If = "if" Then WScript.Echo "member in condition" Else WScript.Echo "no"
For i = 1 To 1: WScript.Echo o.Next: Next
