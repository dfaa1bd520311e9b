' expect: True
Function Main()
    Main = IsNull(Sqr(Null))
End Function
