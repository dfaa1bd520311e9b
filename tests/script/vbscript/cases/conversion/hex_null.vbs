' expect: True
Function Main()
    Main = IsNull(Hex(Null))
End Function
