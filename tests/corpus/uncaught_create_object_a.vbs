' CreateObject of an unknown ProgID names it.
WScript.Echo "before"
Set app = CreateObject("Missing.Application")
