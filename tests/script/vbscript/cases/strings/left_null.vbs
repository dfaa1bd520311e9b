' expect: True
Function Main()
    Main = IsNull(Left(Null, 2))
End Function
