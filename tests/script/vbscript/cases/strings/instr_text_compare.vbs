' expect: 2
Function Main()
    Main = InStr(1, "ABC", "b", vbTextCompare)
End Function
