' expect: a-b-c
Function Main()
    Main = Join(Array("a", "b", "c"), "-")
End Function
