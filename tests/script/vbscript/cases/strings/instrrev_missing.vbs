' expect: 0
Function Main()
    Main = InStrRev("abc", "z")
End Function
