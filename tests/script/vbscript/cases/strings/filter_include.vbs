' expect: banana
Function Main()
    Main = Join(Filter(Array("apple", "banana", "cherry"), "an"), ",")
End Function
