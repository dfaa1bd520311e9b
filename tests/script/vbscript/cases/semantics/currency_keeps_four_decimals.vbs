' expect: 0.3333
Function Main()
Main = CCur(1 / 3)
End Function
