' expect: -2
Function Main()
    Main = Fix(-2.7)
End Function
