' expect: Integer
Function Main()
    Main = TypeName(Round(CInt(7)))
End Function
