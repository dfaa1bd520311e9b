' expect: True
Function Main()
    Main = IsNull(Len(Null))
End Function
