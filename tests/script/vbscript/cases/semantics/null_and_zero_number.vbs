' expect: 0
Function Main()
Main = Null And 0
End Function
