' expect: b,c
Function Main()
    Main = Split("a,b,c", ",", 2)(1)
End Function
