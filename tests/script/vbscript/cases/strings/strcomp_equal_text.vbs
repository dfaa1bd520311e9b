' expect: 0
Function Main()
    Main = StrComp("ABC", "abc", 1)
End Function
