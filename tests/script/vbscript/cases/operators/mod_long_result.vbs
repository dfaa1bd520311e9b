' expect: Long
Function Main()
Main = TypeName(100000 Mod 7)
End Function
