' expect: 35
Function Main()
Main = 3 & 2 + 3
End Function
