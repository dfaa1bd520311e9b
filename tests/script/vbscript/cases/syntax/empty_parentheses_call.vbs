' expect: 1
Function One()
  One = 1
End Function
Function Main()
Main = One()
End Function
