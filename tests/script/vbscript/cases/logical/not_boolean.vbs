' expect: False
Function Main()
Main = Not True
End Function
