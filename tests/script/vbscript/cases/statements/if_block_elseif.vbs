' expect: two
Function Main()
Dim x: x = 2
If x = 1 Then
  Main = "one"
ElseIf x = 2 Then
  Main = "two"
Else
  Main = "other"
End If
End Function
