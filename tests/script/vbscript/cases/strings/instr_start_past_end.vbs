' expect: 0
Function Main()
    Main = InStr(10, "abc", "a")
End Function
