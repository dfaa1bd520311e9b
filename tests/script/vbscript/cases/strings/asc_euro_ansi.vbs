' expect: 128
Function Main()
    Main = Asc(ChrW(8364))
End Function
