' expect: -1
Function Main()
    Main = UBound(Filter(Array("a"), "z"))
End Function
