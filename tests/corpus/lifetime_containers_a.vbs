' Releasing a container releases the objects in it: a Dictionary, a local array, nested arrays.
Class Probe
  Public Name
  Private Sub Class_Terminate
    WScript.Echo "terminate", Name
  End Sub
End Class
Function Make(n)
  Set Make = New Probe
  Make.Name = n
End Function
Set d = CreateObject("Scripting.Dictionary")
d.Add "a", Make("dictionary item")
WScript.Echo "before dictionary release"
Set d = Nothing
WScript.Echo "after dictionary release"
Sub LocalArray
  Dim arr(1)
  Set arr(0) = Make("local array element")
  WScript.Echo "leaving sub"
End Sub
LocalArray
WScript.Echo "after sub"
outer = Array(Array(Make("nested")))
WScript.Echo "before clearing nested"
outer = Empty
WScript.Echo "after clearing nested"
Dim slots(1)
Set slots(0) = New Probe
slots(0).Name = "element"
WScript.Echo "before overwrite"
slots(0) = 5
WScript.Echo "after overwrite"
Set d = CreateObject("Scripting.Dictionary")
Set p = New Probe
p.Name = "item"
d.Add "k", p
Set p = Nothing
WScript.Echo "before item overwrite"
d("k") = 1
WScript.Echo "after item overwrite"
