' expect: 0
Function Main()
    Main = Len(StrReverse(""))
End Function
