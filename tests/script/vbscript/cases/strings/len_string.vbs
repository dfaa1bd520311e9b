' expect: 5
Function Main()
    Main = Len("hello")
End Function
