' expect: True
Function Main()
    Main = IsNull(Round(Null))
End Function
