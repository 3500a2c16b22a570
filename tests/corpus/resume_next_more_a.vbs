' On Error Resume Next: a failing Set, call argument or constructor leaves everything as it was.
Class Fragile
  Public Label
  Private Sub Class_Initialize
    Label = "built"
    If fail Then Err.Raise 5, "Fragile", "cannot build"
  End Sub
End Class
Sub Record(v)
  WScript.Echo "record called", v
End Sub
On Error Resume Next
Set d = CreateObject("Scripting.Dictionary")
Set x = d
Set x = nothingHere.Member
WScript.Echo "set kept", TypeName(x), Err.Number
Err.Clear
Record 1 / 0
WScript.Echo "call skipped", Err.Number
Err.Clear
Record CLng("12") + 1
fail = False
Set f = New Fragile
fail = True
Set f = New Fragile
WScript.Echo "constructor", Err.Number, Err.Source, f.Label
Err.Clear
Dim arr(1)
arr(0) = "kept"
arr(0) = arr(5)
WScript.Echo "element kept", arr(0), Err.Number
Err.Clear
n = 1
n = n + CInt("x") * 2
WScript.Echo "partial sum dropped", n
