' expect: False
Function Main()
Main = ("a" = "A")
End Function
