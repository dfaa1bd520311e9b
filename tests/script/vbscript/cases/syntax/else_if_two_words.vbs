' expect: b
Function Main()
Dim x: x = 2
If x = 1 Then
  Main = "a"
Else If x = 2 Then
  Main = "b"
End If
End If
End Function
