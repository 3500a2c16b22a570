' known-gap: the uncaught message does not name the built-in function ('Mid')
' An invalid argument to a built-in function names the function.
x = Mid("abc", 0)
