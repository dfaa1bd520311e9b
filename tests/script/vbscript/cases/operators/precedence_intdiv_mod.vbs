' expect: 1
Function Main()
Main = 10 \ 3 Mod 2
End Function
