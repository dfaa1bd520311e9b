' expect: 100%
Function Main()
    Main = Unescape("100%")
End Function
