' A script may declare a class named RegExp, but New RegExp always makes VBScript's own RegExp.
Class RegExp
  Public Property Get Global()
    Global = "the script's class"
  End Property
End Class
Set r = New RegExp
WScript.Echo TypeName(r), r.Global
r.Pattern = "b+"
r.Global = True
WScript.Echo r.Test("abbbc"), r.Replace("abbbcb", "-")
Execute "Set q = New RegExp"
WScript.Echo "from Execute:", TypeName(q)
