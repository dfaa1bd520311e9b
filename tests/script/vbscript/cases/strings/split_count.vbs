' expect: 3
Function Main()
    Main = UBound(Split("a,b,,c", ","))
End Function
