' expect: True
Function Main()
    Main = IsNull(Year(Null))
End Function
