' expect-error: 94
Function Main()
    Main = Asc(Null)
End Function
