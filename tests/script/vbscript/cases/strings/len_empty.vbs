' expect: 0
Function Main()
    Main = Len("")
End Function
