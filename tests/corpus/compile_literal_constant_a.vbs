' Const needs a literal value.
WScript.Echo "never"
x = 1
Const c = x
