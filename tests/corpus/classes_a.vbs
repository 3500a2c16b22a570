' Classes: Property Get/Let/Set, default members, lifetime order, Me, access errors, Set rules.
Class Tracer
  Public Id
  Private Sub Class_Initialize
    count = count + 1
    Id = count
    WScript.Echo "init", Id
  End Sub
  Private Sub Class_Terminate
    WScript.Echo "terminate", Id
  End Sub
End Class
count = 0
Set a = New Tracer
Set a = New Tracer
WScript.Echo "replaced"
Set b = a
Set a = Nothing
WScript.Echo "one reference left"
Set b = Nothing
WScript.Echo "after release"
Sub UseLocal
  Dim t
  Set t = New Tracer
  WScript.Echo "in sub", t.Id
End Sub
UseLocal
WScript.Echo "sub returned"
Class Box
  Private item_
  Private text_
  Public Property Get Item
    If IsObject(item_) Then Set Item = item_ Else Item = item_
  End Property
  Public Property Set Item(o)
    Set item_ = o
  End Property
  Public Property Let Item(v)
    item_ = v
  End Property
  Public Default Property Get Text(i)
    Text = "text" & i
  End Property
  Public Function Self
    Set Self = Me
  End Function
  Private Function Hidden
    Hidden = "hidden"
  End Function
  Public Function CallsHidden
    CallsHidden = Hidden() & " via " & Me.Self.Text(1)
  End Function
End Class
Set bx = New Box
bx.Item = 5
WScript.Echo TypeName(bx.Item), bx.Item
Set bx.Item = New Box
WScript.Echo TypeName(bx.Item)
WScript.Echo bx(7), bx.Text(8)
WScript.Echo bx.Self Is bx, bx.CallsHidden
On Error Resume Next
WScript.Echo bx.Hidden
WScript.Echo "private method", Err.Number, Err.Description
Err.Clear
x = bx.NoSuchMember
WScript.Echo "missing member", Err.Number
Err.Clear
Set t2 = New Tracer
v = t2
WScript.Echo "no default member", Err.Number
Err.Clear
Set v = 5
WScript.Echo "set to number", Err.Number, Err.Description
Err.Clear
Set n = Nothing
n.Id = 1
WScript.Echo "member of nothing", Err.Number
Err.Clear
On Error GoTo 0
Set t2 = Nothing
WScript.Echo TypeName(Nothing), IsObject(Nothing), Nothing Is Nothing
Set e1 = Nothing
Set e2 = Nothing
WScript.Echo e1 Is e2
Set p = New Box
Set q = New Box
WScript.Echo p Is q, TypeName(p)
