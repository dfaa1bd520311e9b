' expect: Empty
Function Main()
Dim r
Select Case 9
  Case 1: r = 1
End Select
Main = TypeName(r)
End Function
