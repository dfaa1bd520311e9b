' expect: 0
Function Main()
    Main = Len(Space(0))
End Function
