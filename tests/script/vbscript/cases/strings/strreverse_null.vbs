' expect-error: 94
Function Main()
    Main = StrReverse(Null)
End Function
