' expect: 0
Function Main()
    Main = InStr(1, "ABC", "b", vbBinaryCompare)
End Function
