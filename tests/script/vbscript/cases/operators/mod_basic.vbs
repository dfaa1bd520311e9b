' expect: 1 -1 1
Function Main()
Main = 7 Mod 3 & " " & -7 Mod 3 & " " & 7 Mod -3
End Function
