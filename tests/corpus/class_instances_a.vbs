' Each instance has its own member arrays; reading a member array gives a copy.
Class Holder
  Public Slots(1)
  Private hidden(1)
  Public Sub SetHidden(v)
    hidden(0) = v
  End Sub
  Public Function GetHidden()
    GetHidden = hidden(0)
  End Function
End Class
Set a = New Holder
Set b = New Holder
a.Slots(0) = "a's slot"
a.SetHidden "a's hidden"
WScript.Echo IsEmpty(b.Slots(0)), IsEmpty(b.GetHidden()), a.Slots(0), a.GetHidden()
b.SetHidden "b's hidden"
WScript.Echo a.GetHidden(), b.GetHidden()
s = a.Slots
s(1) = "copy only"
WScript.Echo IsEmpty(a.Slots(1))
