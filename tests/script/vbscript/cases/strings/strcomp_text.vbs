' expect: -1
Function Main()
    Main = StrComp("a", "B", vbTextCompare)
End Function
