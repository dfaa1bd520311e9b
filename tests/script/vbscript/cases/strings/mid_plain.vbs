' expect: bcd
Function Main()
    Main = Mid("abcdef", 2, 3)
End Function
