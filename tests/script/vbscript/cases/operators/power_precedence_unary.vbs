' expect: 4
Function Main()
Main = -2 ^ 2
End Function
