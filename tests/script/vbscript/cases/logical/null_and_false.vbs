' expect: False
Function Main()
Main = Null And False
End Function
