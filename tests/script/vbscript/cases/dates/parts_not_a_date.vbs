' expect-error: 13
Function Main()
    Main = Day("hello")
End Function
