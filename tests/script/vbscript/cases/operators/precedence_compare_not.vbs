' expect: False
Function Main()
Main = Not 1 = 1
End Function
