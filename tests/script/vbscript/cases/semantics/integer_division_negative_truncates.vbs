' expect: -2
Function Main()
Main = -5 \ 2
End Function
