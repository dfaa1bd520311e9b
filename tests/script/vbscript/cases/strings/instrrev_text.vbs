' expect: 5
Function Main()
    Main = InStrRev("abcABC", "bc", -1, vbTextCompare)
End Function
