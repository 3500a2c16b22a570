' ByRef through two procedure levels, to class member elements, with an index evaluated once.
Sub Bump(x)
  x = x + 1
End Sub
Sub Relay(y)
  Bump y
  Bump y
End Sub
Class Store
  Private items(1)
  Public Sub Work
    items(0) = 1
    Bump items(0)
    Relay items(0)
    WScript.Echo "member element", items(0)
  End Sub
End Class
Set st = New Store
st.Work
calls = 0
Function Idx()
  calls = calls + 1
  Idx = 0
End Function
Dim a(1)
a(0) = 10
Bump a(Idx())
WScript.Echo a(0), calls
ReDim m(1, 1)
m(1, 1) = 5
Relay m(1, 1)
WScript.Echo m(1, 1)
