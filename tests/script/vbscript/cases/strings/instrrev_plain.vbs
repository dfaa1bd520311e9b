' expect: 5
Function Main()
    Main = InStrRev("abcabc", "bc")
End Function
