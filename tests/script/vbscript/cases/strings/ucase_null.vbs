' expect: True
Function Main()
    Main = IsNull(UCase(Null))
End Function
