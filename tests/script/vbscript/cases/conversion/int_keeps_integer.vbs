' expect: Integer
Function Main()
    Main = TypeName(Int(CInt(5)))
End Function
