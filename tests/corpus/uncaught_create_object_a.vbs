' known-gap: an uncaught error does not name the identifier it concerns
' CreateObject of an unknown ProgID names it.
WScript.Echo "before"
Set app = CreateObject("Missing.Application")
