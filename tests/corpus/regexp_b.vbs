' RegExp: the $ forms of Replace, Global/IgnoreCase/Multiline, empty matches, SubMatches, pattern errors.
Set re = New RegExp
WScript.Echo "[" & re.Pattern & "]", re.Global, re.IgnoreCase, re.Multiline
re.Pattern = "b"
WScript.Echo re.Replace("abc", "[$`|$&|$']"), re.Replace("abcb", "x")
re.Global = True
WScript.Echo re.Replace("abcb", "x"), re.Replace("ABC", "x")
re.IgnoreCase = True
WScript.Echo re.Replace("aBcb", "x"), re.Test("xBx")
re.Pattern = "(a)|(b)"
WScript.Echo re.Replace("ab", "[$1$2]"), re.Replace("ab", "<$2>")
re.Pattern = "x*"
WScript.Echo re.Replace("abc", "-"), re.Execute("abc").Count, re.Execute("abc")(3).FirstIndex
re.IgnoreCase = False
re.Pattern = "^b"
WScript.Echo re.Execute("a" & vbLf & "b").Count
re.Multiline = True
WScript.Echo re.Execute("a" & vbLf & "b").Count, re.Execute("a" & vbLf & "b")(0).FirstIndex
re.Multiline = False
re.Pattern = "(a)(b)?"
Set m = re.Execute("ac")(0)
WScript.Echo m.SubMatches.Count, m.SubMatches(0), TypeName(m.SubMatches(1)), m, m.Length
re.Pattern = "\d+(?=px)"
WScript.Echo re.Execute("10px 20em 30px").Count, re.Execute("10px 20em 30px")(1)
re.Pattern = "<.+?>"
WScript.Echo re.Execute("<a><b>")(0).Value
re.Pattern = "(\w)\1"
WScript.Echo re.Execute("hello")(0).Value, re.Test("abc")
re.Pattern = "(\w+)@(\w+)\.com"
For Each m In re.Execute("ann@x.com, bob@y.com")
  s = ""
  For Each sm In m.SubMatches
    s = s & "<" & sm & ">"
  Next
  WScript.Echo m.FirstIndex, s
Next
WScript.Echo re.Execute("none").Count
On Error Resume Next
re.Pattern = "("
x = re.Test("x"): WScript.Echo "unclosed group:", Err.Number, Err.Description: Err.Clear
re.Pattern = "[b-a]"
x = re.Test("x"): WScript.Echo "reversed range:", Err.Number, Err.Description: Err.Clear
re.Pattern = "[ab"
x = re.Test("x"): WScript.Echo "unclosed class:", Err.Number, Err.Description: Err.Clear
