' expect: 2
Function Main()
    Main = InStrRev("abcabc", "bc", 5)
End Function
