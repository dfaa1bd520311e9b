' expect: 1
Function Main()
Main = 10.4 Mod 3
End Function
