' expect: ab
Function Main()
    Main = LeftB("abcd", 4)
End Function
