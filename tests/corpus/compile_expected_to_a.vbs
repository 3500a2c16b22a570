' A For loop needs To between its bounds.
WScript.Echo "never"
For i = 1 Until 3
Next
