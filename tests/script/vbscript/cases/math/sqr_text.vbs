' expect-error: 13
Function Main()
    Main = Sqr("abc")
End Function
