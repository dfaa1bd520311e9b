' expect: other
Function Main()
Dim x: x = 3
If x = 1 Then
  Main = "one"
ElseIf x = 2 Then
  Main = "two"
Else
  Main = "other"
End If
End Function
