' expect-error: 13
Function Main()
    Main = Filter("abc", "a")
End Function
