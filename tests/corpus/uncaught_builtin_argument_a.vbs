' known-gap: an uncaught error does not name the identifier it concerns
' An invalid argument to a built-in function names the function.
x = Mid("abc", 0)
