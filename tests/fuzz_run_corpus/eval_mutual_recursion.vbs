Function a(n) : a = Eval("b(" & n & ")") : End Function
Function b(n) : b = Eval("a(" & n & ")") : End Function
x = a(1)
