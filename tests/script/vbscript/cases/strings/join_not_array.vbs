' expect-error: 13
Function Main()
    Main = Join("abc")
End Function
