' Integer loop: 30 million additions and remainders.
Dim i, total
total = 0
For i = 1 To 30000000
  total = total + (i Mod 7)
Next
WScript.Echo total
