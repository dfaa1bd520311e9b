' expect: 2
Function Main()
Main = CByte(2.5)
End Function
