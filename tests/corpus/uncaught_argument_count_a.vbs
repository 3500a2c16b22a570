' known-gap: an uncaught error does not name the identifier it concerns
' A wrong argument count names the procedure.
Function Add(a, b)
  Add = a + b
End Function
x = Add(1)
