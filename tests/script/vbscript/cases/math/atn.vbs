' expect: 3.141593
Function Main()
    Main = Round(Atn(1) * 4, 6)
End Function
