' expect: bbaa
Function Main()
    Main = Replace("aaaa", "a", "b", 1, 2)
End Function
