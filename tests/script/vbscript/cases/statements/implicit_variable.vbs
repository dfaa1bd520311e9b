' expect: 5
Function Main()
x = 5
Main = x
End Function
