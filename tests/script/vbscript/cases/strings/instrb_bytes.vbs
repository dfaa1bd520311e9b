' expect: 3
Function Main()
    Main = InStrB("abc", "b")
End Function
