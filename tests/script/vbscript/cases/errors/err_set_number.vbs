' expect: 77
Function Main()
Err.Number = 77
Main = Err.Number
End Function
