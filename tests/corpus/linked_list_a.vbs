' A linked list of objects walked with Do Until ... Is Nothing and Not ... Is Nothing.
Class Node
  Public Value
  Public NextNode
End Class
Set head = Nothing
For i = 1 To 3
  Set n = New Node
  n.Value = i
  Set n.NextNode = head
  Set head = n
Next
Set cur = head
Do Until cur Is Nothing
  s = s & cur.Value
  Set cur = cur.NextNode
Loop
WScript.Echo s
Do While Not head Is Nothing
  Set head = head.NextNode
  c = c + 1
Loop
WScript.Echo c
