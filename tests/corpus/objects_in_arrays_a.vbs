' Objects held in arrays, Select Case True, nested Select, objects shared between variables.
Class Item
  Public Name
  Public Price
End Class
Dim shelf(2)
For i = 0 To 2
  Set shelf(i) = New Item
  shelf(i).Name = "item" & i
  shelf(i).Price = (i + 1) * 10
Next
For Each it In shelf
  it.Price = it.Price + 1
Next
WScript.Echo shelf(0).Price, shelf(2).Price
Set alias = shelf(1)
alias.Name = "renamed"
WScript.Echo shelf(1).Name
copy = shelf
copy(1).Name = "through the copy"
WScript.Echo shelf(1).Name
Set copy(1) = New Item
copy(1).Name = "replaced in copy"
WScript.Echo shelf(1).Name, copy(1).Name
For Each p In Array(5, 15, 25, 35)
  Select Case True
    Case p < 10
      WScript.Echo p, "cheap"
    Case p < 20, p > 30
      Select Case p
        Case 15: WScript.Echo p, "fifteen"
        Case Else: WScript.Echo p, "outer range"
      End Select
    Case Else
  End Select
Next
Set d = CreateObject("Scripting.Dictionary")
Set d("first") = shelf(0)
d("first").Name = "via dictionary"
WScript.Echo shelf(0).Name
