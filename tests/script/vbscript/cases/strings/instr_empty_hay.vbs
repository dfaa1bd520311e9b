' expect: 0
Function Main()
    Main = InStr("", "a")
End Function
