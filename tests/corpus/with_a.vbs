' With blocks: the object is evaluated once and kept, nesting, calls and Nothing.
Class Node
  Public Name
  Public Child
  Public Function Describe(prefix)
    Describe = prefix & Name
  End Function
End Class
evaluations = 0
Set root = New Node
root.Name = "root"
Set root.Child = New Node
root.Child.Name = "child"
Function GetRoot()
  evaluations = evaluations + 1
  Set GetRoot = root
End Function
With GetRoot()
  .Name = "renamed"
  WScript.Echo .Name, .Describe("is "), evaluations
  With .Child
    WScript.Echo .Name
    .Name = "child2"
  End With
  WScript.Echo .Name, .Child.Name
End With
WScript.Echo evaluations
With root
  Set root = Nothing
  WScript.Echo .Name
End With
WScript.Echo root Is Nothing
Set root = New Node
With root
  Exit_Test = .Name
End With
WScript.Echo IsEmpty(Exit_Test)
Sub InWith(n)
  With n
    .Name = "set in sub"
    Exit Sub
  End With
End Sub
InWith root
WScript.Echo root.Name
With Nothing
End With
WScript.Echo "empty with on Nothing"
On Error Resume Next
With Nothing
  .Name = "x"
  WScript.Echo "after member", Err.Number
End With
Err.Clear
With 42
  WScript.Echo "in number with", Err.Number
End With
