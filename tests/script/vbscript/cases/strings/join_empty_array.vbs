' expect: 0
Function Main()
    Main = Len(Join(Split(""), ","))
End Function
