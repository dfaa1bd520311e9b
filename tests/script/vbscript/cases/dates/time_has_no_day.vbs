' expect: True
Function Main()
    Main = CDbl(Time) < 1
End Function
