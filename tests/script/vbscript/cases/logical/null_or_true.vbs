' expect: True
Function Main()
Main = Null Or True
End Function
