' expect: 0
Function Main()
    Main = Len(Empty)
End Function
