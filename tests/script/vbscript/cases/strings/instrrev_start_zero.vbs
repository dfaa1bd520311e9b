' expect-error: 5
Function Main()
    Main = InStrRev("abc", "c", 0)
End Function
