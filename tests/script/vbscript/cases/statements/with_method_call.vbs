' expect: 5
Class P
  Public V
  Sub SetIt(x)
    V = x
  End Sub
End Class
Function Main()
Dim p
Set p = New P
With p
  .SetIt 5
End With
Main = p.V
End Function
