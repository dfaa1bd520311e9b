' expect: 0
Function Main()
    Main = InStrRev("abc", "c", 10)
End Function
