' expect: apple,cherry
Function Main()
    Main = Join(Filter(Array("apple", "banana", "cherry"), "an", False), ",")
End Function
