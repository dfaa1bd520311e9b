' expect: 1E+16
Function Main()
Main = 100000000 * 100000000
End Function
