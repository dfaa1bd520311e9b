' expect-error: 5
Function Main()
    Main = Asc("")
End Function
