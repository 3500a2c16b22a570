' A For loop needs = after its counter.
WScript.Echo "never"
For i 1 To 3
Next
