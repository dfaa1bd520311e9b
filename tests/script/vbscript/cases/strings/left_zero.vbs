' expect: []
Function Main()
    Main = "[" & Left("abc", 0) & "]"
End Function
