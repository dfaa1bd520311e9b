' expect: 0
Function Main()
Main = LBound(Array(1))
End Function
