' expect: 0
Function Main()
    Main = InStr("abc", "z")
End Function
