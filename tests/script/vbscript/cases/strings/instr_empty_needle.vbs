' expect: 2
Function Main()
    Main = InStr(2, "abc", "")
End Function
