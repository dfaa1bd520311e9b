' expect: def
Function Main()
    Main = Mid("abcdef", 4)
End Function
