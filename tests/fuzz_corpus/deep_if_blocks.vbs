If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
If 1 Then
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
