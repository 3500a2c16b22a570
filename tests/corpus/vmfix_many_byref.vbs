' Calls with more than 32 arguments: ByRef arguments past the 32nd write back, ByVal ones do not.
Sub Forty(p1, p2, p3, p4, p5, p6, p7, p8, p9, p10, p11, p12, p13, p14, p15, p16, p17, p18, p19, p20, p21, p22, p23, p24, p25, p26, p27, p28, p29, p30, p31, p32, p33, ByVal p34, p35, p36, p37, p38, p39, p40)
  p35 = p35 & " changed"
  p34 = "not seen"
  p40 = p1 + p33
End Sub
For i = 1 To 40
  Execute "a" & i & " = " & i
Next
Forty a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40
WScript.Echo a34, a35, a40, a1, a32, a33
Class Wide
  Function Take(p1, p2, p3, p4, p5, p6, p7, p8, p9, p10, p11, p12, p13, p14, p15, p16, p17, p18, p19, p20, p21, p22, p23, p24, p25, p26, p27, p28, p29, p30, p31, p32, p33, p34, p35, p36, p37, p38, p39, p40)
    p33 = p33 * 2
    p36 = "method"
    Take = p1 + p40
  End Function
End Class
Set w = New Wide
WScript.Echo w.Take(a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40), a33, a36
Dim arr(40)
Forty arr(1), arr(2), arr(3), arr(4), arr(5), arr(6), arr(7), arr(8), arr(9), arr(10), arr(11), arr(12), arr(13), arr(14), arr(15), arr(16), arr(17), arr(18), arr(19), arr(20), arr(21), arr(22), arr(23), arr(24), arr(25), arr(26), arr(27), arr(28), arr(29), arr(30), arr(31), arr(32), arr(33), arr(34), arr(35), arr(36), arr(37), arr(38), arr(39), arr(40)
WScript.Echo "elements", arr(35), arr(40)
Set f = GetRef("Forty")
f a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40
WScript.Echo "through GetRef", a35, a40
' A host object's method takes them too (variables and array elements pushed by reference).
WScript.Echo a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40
WScript.Echo arr(1), arr(2), arr(3), arr(4), arr(5), arr(6), arr(7), arr(8), arr(9), arr(10), arr(11), arr(12), arr(13), arr(14), arr(15), arr(16), arr(17), arr(18), arr(19), arr(20), arr(21), arr(22), arr(23), arr(24), arr(25), arr(26), arr(27), arr(28), arr(29), arr(30), arr(31), arr(32), arr(33), arr(34), arr(35), arr(36), arr(37), arr(38), arr(39), arr(40)
