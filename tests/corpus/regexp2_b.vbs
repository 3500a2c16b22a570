' RegExp: empty patterns, $$ and out-of-range $n in replacements, non-text replacements.
Set re = New RegExp
WScript.Echo re.Execute("test").Count, "[" & re.Execute("test")(0).Value & "]", re.Replace("xxx", "y"), re.Test("test")
re.Global = True
WScript.Echo re.Execute("test").Count, re.Execute("test")(4).FirstIndex, re.Replace("xxx", "y")
re.Pattern = "(\&(\d))"
WScript.Echo re.Replace("abc &1 123", "$'"), "|", re.Replace("abc &1 123", "$`"), "|", re.Replace("abc &1 123", "$3")
re.Pattern = "(\$(\d))"
WScript.Echo re.Replace("$1,$2", "$$1-$1$2")
re.Pattern = "\[([^\[]+)\]"
WScript.Echo re.Replace("- [test] -", 6), re.Replace("[test] [test]", "aa")
re.Pattern = "xxx"
WScript.Echo re.Replace("xxxx", "y")
re.Pattern = "(a|b)+|(c)"
Set m = re.Execute("aa")(0)
WScript.Echo m.SubMatches.Count, m.SubMatches(0), TypeName(m.SubMatches(1)), TypeName(re.Execute("aa").Count)
