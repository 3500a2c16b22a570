' known-gap: an uncaught error does not name the identifier it concerns
' A missing member is named with the object expression it was asked of.
Class Widget
End Class
Set widget1 = New Widget
widget1.Resize 3
