' expect: 97
Function Main()
    Main = Asc("abc")
End Function
