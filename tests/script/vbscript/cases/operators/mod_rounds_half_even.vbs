' expect: 0 1
Function Main()
Main = 2.5 Mod 2 & " " & 3.5 Mod 3
End Function
