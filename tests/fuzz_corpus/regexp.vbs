' Regular expressions.
Set re = New RegExp
re.Pattern = "(\d+)-(\d+)"
re.Global = True
Set ms = re.Execute("10-20 and 30-40")
WScript.Echo ms.Count
For Each m In ms
  WScript.Echo m.Value, m.FirstIndex, m.Length, m.SubMatches(0), m.SubMatches(1)
Next
WScript.Echo re.Replace("10-20 and 30-40", "$2-$1")
re.Global = False
WScript.Echo re.Replace("10-20 and 30-40", "[$&]")
re.IgnoreCase = True
re.Pattern = "^abc"
WScript.Echo re.Test("ABCdef"), re.Test("xabc")
Set re2 = CreateObject("VBScript.RegExp")
re2.Pattern = "é+"
re2.Global = True
WScript.Echo re2.Replace("aéébé", "E"), re2.Execute("aéébé")(1).FirstIndex
