' expect: -5
Function Main()
Const N = -5
Main = N
End Function
