' expect: 65
Function Main()
    Main = Asc("A")
End Function
