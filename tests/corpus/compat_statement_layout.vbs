' Statement layouts Windows accepts: a colon right after Then is a one-line If with an empty statement; the End of a block may follow a statement on its line; a procedure body and a Case clause may start on their header's line.
Dim x, y, c
c = False
x = 0
If c Then :
WScript.Echo "after If Then :", x
If True Then : x = 9 : End If
WScript.Echo "Then : x = 9 : End If", x

If c Then
  x = 2
Else x = 3 End If
WScript.Echo "Else x = 3 End If", x

If c Then
  x = 2
ElseIf True Then x = 4 End If
WScript.Echo "ElseIf ... Then x = 4 End If", x

If c Then
  x = 2
Else:x = 5 End If
WScript.Echo "Else:x = 5 End If", x

y = 0
If c Then
  x = 2
Else x = 6:y = 7 End If
WScript.Echo "Else x = 6:y = 7 End If", x, y

If c Then
  x = 2
Else
  x = 8 End If
WScript.Echo "statement then End If", x

If True Then
  x = 10 End If
WScript.Echo "Then body ends on its line", x

Sub OneLine() x = 11 End Sub
OneLine
WScript.Echo "Sub s() x = 1 End Sub", x

Function OneLineF() OneLineF = 12 End Function
WScript.Echo "Function f() f = 1 End Function", OneLineF()

Sub HeaderLine() x = 13
  x = x + 1
End Sub
HeaderLine
WScript.Echo "statement on the header line", x

Sub LastLine
  x = 15 End Sub
LastLine
WScript.Echo "x = 15 End Sub", x

Class Holder
  Private v
  Public Property Get Value() Value = v End Property
  Public Property Let Value(n)
    v = n End Property
End Class
Set h = New Holder
h.Value = 16
WScript.Echo "property bodies", h.Value

Set d = CreateObject("Scripting.Dictionary")
With d
  .Add "k", 17 End With
WScript.Echo "With ... End With", d("k")

Function Pick(n)
  Select Case n
    Case 0: Pick = 100
    Case 1  Pick = 200
    Case 2, 3  Pick = 300
    Case 4
    Case Is > 10  Pick = "big" End Select
End Function
WScript.Echo "Case without colon", Pick(0), Pick(1), Pick(2), Pick(3), IsEmpty(Pick(4)), Pick(11)
