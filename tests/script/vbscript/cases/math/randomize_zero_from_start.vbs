' expect: 0.7641413
Function Main()
    Randomize 0
    Main = CStr(Rnd)
End Function
