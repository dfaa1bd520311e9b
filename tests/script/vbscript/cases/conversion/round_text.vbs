' expect-error: 13
Function Main()
    Main = Round("abc")
End Function
