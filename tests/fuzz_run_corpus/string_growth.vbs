On Error Resume Next
x = Replace(String(100000, "a"), "a", String(100000, "b"))
s = String(2^24, "x")
t = s & s & s
