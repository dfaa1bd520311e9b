' expect: 6
Function Main()
Dim x, s
For Each x In Array(1, 2, 3)
  s = s + x
Next
Main = s
End Function
