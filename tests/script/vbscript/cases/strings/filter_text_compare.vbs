' expect: 1
Function Main()
    Main = UBound(Filter(Array("Apple", "banana"), "A", True, vbTextCompare))
End Function
