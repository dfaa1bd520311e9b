' expect: True
Function Main()
    Main = IsNull(Replace(Null, "a", "b"))
End Function
