' expect: 10
Function Main()
Main = 1 + _
  2 + _
  3 + 4
End Function
