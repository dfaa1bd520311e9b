' expect: True
Function Main()
Main = "True" And "True"
End Function
