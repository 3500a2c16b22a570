' Keyword case, names that start with keywords, Else If, comments after Then, a class named Property.
x = 2
If x = 2 Then ' a comment after Then keeps the block form
  WScript.Echo "block with comment"
End If
If x = 1 Then
  WScript.Echo "one"
Else If x = 2 Then
    WScript.Echo "else then a nested if"
  End If
End If
IF x = 2 THEN wscript.echo "UPPER" ELSE WSCRIPT.ECHO "lower"
Remark = 5 : Ender = 6 : Dimension = 7 : Nextone = 8 : Loops = 9 : Class_ = 10
WScript.Echo Remark, Ender, Dimension, Nextone, Loops, Class_
Class Property
  Public V
End Class
Set pr = New Property
pr.V = "class named Property"
WScript.Echo pr.V, TypeName(pr)
If x = 2 Then
ElseIf x = 3 Then
Else
End If
WScript.Echo "empty branches"
