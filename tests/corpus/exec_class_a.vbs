' Execute, ExecuteGlobal and Eval inside class methods and procedures.
Class Host
  Public Field
  Public Sub Run
    Execute "Field = ""set by execute"""
    ExecuteGlobal "Function FromMethod() : FromMethod = ""global function"" : End Function"
    WScript.Echo Eval("Field & ""!""")
  End Sub
End Class
Set h = New Host
h.Run
WScript.Echo h.Field, FromMethod()
Function Outer()
  Dim secret
  secret = "local secret"
  Outer = Eval("secret")
End Function
WScript.Echo Outer()
ExecuteGlobal "Dim gdim : gdim = 7"
WScript.Echo gdim
Execute "If True Then" & vbLf & "WScript.Echo ""multi-line execute""" & vbLf & "End If"
