' expect: -1
Function Main()
    Main = UBound(Split(""))
End Function
