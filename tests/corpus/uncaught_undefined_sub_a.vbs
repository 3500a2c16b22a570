' Calling a procedure that does not exist is a type mismatch on its name.
WScript.Echo "before"
nosuchsub 1
