' expect: 64
Function Main()
Main = 2 ^ 3 ^ 2
End Function
