' expect: bc
Function Main()
    Main = Mid("abc", 2, 100)
End Function
