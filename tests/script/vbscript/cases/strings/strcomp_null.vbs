' expect: True
Function Main()
    Main = IsNull(StrComp("a", Null))
End Function
