' expect: 1
Function Main()
    Main = StrComp("a", "B")
End Function
