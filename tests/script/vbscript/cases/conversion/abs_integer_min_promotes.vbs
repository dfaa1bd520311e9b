' expect: Long
Function Main()
    Main = TypeName(Abs(CInt(-32768)))
End Function
