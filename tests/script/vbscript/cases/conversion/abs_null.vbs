' expect: True
Function Main()
    Main = IsNull(Abs(Null))
End Function
