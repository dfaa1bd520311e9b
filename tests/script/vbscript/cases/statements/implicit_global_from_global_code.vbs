' expect: 7
k = 7
Function Main()
  Main = k
End Function
