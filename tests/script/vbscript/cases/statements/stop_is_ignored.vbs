' expect: 1
Function Main()
Stop
Main = 1
End Function
