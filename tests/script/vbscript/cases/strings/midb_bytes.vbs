' expect: bc
Function Main()
    Main = MidB("abcd", 3, 4)
End Function
