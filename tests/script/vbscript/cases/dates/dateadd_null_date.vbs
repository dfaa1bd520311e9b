' expect: True
Function Main()
    Main = IsNull(DateAdd("d", 1, Null))
End Function
