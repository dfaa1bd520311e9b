' expect: 0.25
Function Main()
Main = 2 ^ -2
End Function
