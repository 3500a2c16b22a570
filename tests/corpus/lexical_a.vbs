' Line continuation, colons, comments, bracketed identifiers and keywords as member names.
total = 1 + _
        2 + _   
        3
WScript.Echo total
WScript.Echo "a", _
  "b"
x = 1: y = 2 :: z = 3
WScript.Echo x, y, z
x = 5 ' a trailing comment
x = x + 1 : Rem a Rem after a colon
WScript.Echo x
Rem WScript.Echo "inside a Rem"
REM upper case Rem
' WScript.Echo "inside a comment"
WScript.Echo "it's", "a ' quote" ' comment after a string holding '
[my var] = 10
[Dim] = 2
WScript.Echo [my var] * [Dim]
Dim [end]
[end] = "end"
WScript.Echo [end]
Class Keywords
  Public [Class]
  Public [Rem]
  Public Function [Stop]()
    [Stop] = "stopped"
  End Function
End Class
Set k = New Keywords
k.Class = "class member"
k.Rem = "rem member"
WScript.Echo k.Class, k.rem, k.Stop(), k.STOP
Set d = CreateObject("Scripting.Dictionary")
d.Add "k", "v"
WScript.Echo d.Item("k"), d.Count
WScript.Echo UCASE("mixed"), ucase("case")
MyVariable = 1
WScript.Echo myvariable + MYVARIABLE
WScript.Echo "x" &x
WScript.Echo 1 & 2
With k
  .Class = "with member"
  WScript.Echo .Class
End With
