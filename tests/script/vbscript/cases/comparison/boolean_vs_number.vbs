' expect: True
Function Main()
Main = (True = -1)
End Function
