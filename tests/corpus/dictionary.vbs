' Scripting.Dictionary.
Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
d.Add "b", 2
d("c") = 3
WScript.Echo d.Count, d.Exists("a"), d.Exists("z"), d("b"), d.Exists("A")
For Each k In d
  WScript.Echo k & "=" & d(k)
Next
d.Remove "a"
WScript.Echo Join(d.Keys, ","), Join(d.Items, ",")
d.Add 1, "number"
d.Add "1", "text"
WScript.Echo d(1), d("1"), d.Count
On Error Resume Next
d.Add "b", 9
WScript.Echo Err.Number, Err.Description
Err.Clear
d.Remove "zz"
WScript.Echo Err.Number
On Error GoTo 0
Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = 1
t.Add "Key", 1
WScript.Echo t.Exists("KEY")
d.RemoveAll
WScript.Echo d.Count
