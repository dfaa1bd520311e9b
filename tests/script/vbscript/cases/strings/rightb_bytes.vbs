' expect: d
Function Main()
    Main = RightB("abcd", 2)
End Function
