' expect-compile-error: 28
Function Main()
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
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
End Function
