' expect: 3 4
Class P
  Public X, Y
End Class
Function Main()
Dim p
Set p = New P
With p
  .X = 3
  .Y = .X + 1
End With
Main = p.X & " " & p.Y
End Function
