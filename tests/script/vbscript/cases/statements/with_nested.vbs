' expect: 1 2
Class P
  Public X, Inner
End Class
Function Main()
Dim p
Set p = New P
Set p.Inner = New P
With p
  .X = 1
  With .Inner
    .X = 2
  End With
End With
Main = p.X & " " & p.Inner.X
End Function
