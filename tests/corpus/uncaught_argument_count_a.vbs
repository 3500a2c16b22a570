' A wrong argument count names the procedure.
Function Add(a, b)
  Add = a + b
End Function
x = Add(1)
