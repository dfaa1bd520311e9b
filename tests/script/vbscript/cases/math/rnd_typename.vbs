' expect: Single
Function Main()
    Main = TypeName(Rnd)
End Function
