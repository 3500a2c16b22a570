' Uncaught errors of built-ins name the function.
' An invalid argument to a built-in function names the function.
x = Mid("abc", 0)
