' Default, Property, Error, Explicit and Step are reserved only where their statements use them; elsewhere they are plain names of variables, fields, procedures and properties.
Option Explicit
Public default, property
Dim error, explicit, step
default = 1 : property = 2 : error = 3 : explicit = 4 : step = 5
WScript.Echo default, property, error, explicit, step
For step = 1 To 6 Step 2
  WScript.Echo "step", step
Next
On Error Resume Next
Err.Raise 7
WScript.Echo "On Error still works", Err.Number
On Error GoTo 0

Sub Locals
  Dim default, error
  default = "d" : error = "e"
  WScript.Echo "locals", default, error
End Sub
Locals

Class Fields
  Private error, explicit, step
  Public default, property
  Private Sub Class_Initialize
    error = "E" : explicit = "X" : step = "S" : default = "D" : property = "P"
  End Sub
  Public Property Get Property2()
    Property2 = error & explicit & step & default & property
  End Property
End Class
Dim f
Set f = New Fields
WScript.Echo "fields", f.Property2, f.default, f.property

Class Names
  Private v
  Public Property Get Property()
    Property = "Property()"
  End Property
  Public Property Let Error(par)
    v = par
  End Property
  Public Property Get Error()
    Error = v
  End Property
  Public Function Explicit(par)
    Explicit = "Explicit " & par
  End Function
  Public Sub Step(default)
    WScript.Echo "Step got", default
  End Sub
End Class
Dim n
Set n = New Names
n.Error = "set through Let"
WScript.Echo n.Property, n.Error, n.Explicit(1)
n.Step "a parameter named default"
