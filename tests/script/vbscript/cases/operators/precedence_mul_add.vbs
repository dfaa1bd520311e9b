' expect: 14
Function Main()
Main = 2 + 3 * 4
End Function
