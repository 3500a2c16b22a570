' Scripting.Dictionary: add-on-read, Key rename, CompareMode rules, Keys/Items as copies.
Set d = CreateObject("Scripting.Dictionary")
x = d("ghost")
WScript.Echo d.Count, d.Exists("ghost"), TypeName(d("ghost")), TypeName(d.Item("other")), d.Count
d.RemoveAll
WScript.Echo UBound(d.Keys), UBound(d.Items), TypeName(d.Keys), d.CompareMode
d.Add "a", 1
d.Add "b", 2
d.Item("c") = 3
d.Key("a") = "z"
WScript.Echo Join(d.Keys, ","), Join(d.Items, ","), d("z"), d.Exists("a")
d.Remove "b"
d.Add "b", 20
WScript.Echo Join(d.Keys, ","), Join(d.Items, ",")
k = d.Keys
k(0) = "q"
WScript.Echo d.Exists("q"), d.Keys()(0), d.Items()(2)
Set alias = d
alias.Add "n", 5
WScript.Echo d.Count
On Error Resume Next
d.Key("c") = "b": WScript.Echo "rename onto an existing key:", Err.Number: Err.Clear
d.Key("missing") = "m": WScript.Echo "rename a missing key:", Err.Number, Err.Description: Err.Clear
d.CompareMode = vbTextCompare: WScript.Echo "CompareMode when not empty:", Err.Number: Err.Clear
On Error GoTo 0
Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = vbTextCompare
t.Add "Key", 1
t("KEY") = 2
WScript.Echo t.Count, t("key"), Join(t.Keys, ","), t.CompareMode
On Error Resume Next
t.Add "KEY", 3: WScript.Echo "text-compare duplicate:", Err.Number: Err.Clear
