' expect: 4
Dim arr()
Sub Grow()
  ReDim arr(3)
End Sub
Function Main()
Grow
Main = UBound(arr) + 1
End Function
