' expect-error: 11
Function Main()
Main = 5 Mod 0
End Function
