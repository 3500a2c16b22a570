' Uncaught errors name what they are about.
' A missing member is named with the object expression it was asked of.
Class Widget
End Class
Set widget1 = New Widget
widget1.Resize 3
