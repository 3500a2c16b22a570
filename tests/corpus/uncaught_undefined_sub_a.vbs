' known-gap: an uncaught error does not name the identifier it concerns
' Calling a procedure that does not exist is a type mismatch on its name.
WScript.Echo "before"
nosuchsub 1
