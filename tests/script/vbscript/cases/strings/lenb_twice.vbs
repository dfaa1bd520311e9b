' expect: 6
Function Main()
    Main = LenB("abc")
End Function
