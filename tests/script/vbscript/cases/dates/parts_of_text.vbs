' expect: 2
Function Main()
    Main = Month("2024-02-29")
End Function
