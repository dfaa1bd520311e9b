' expect: 2
Function Main()
    Main = UBound(Split("aXbxc", "x", -1, vbTextCompare))
End Function
