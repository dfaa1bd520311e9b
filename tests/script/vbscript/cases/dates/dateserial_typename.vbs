' expect: Date
Function Main()
    Main = TypeName(DateSerial(2000, 1, 1))
End Function
