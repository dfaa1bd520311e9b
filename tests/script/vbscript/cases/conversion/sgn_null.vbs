' expect-error: 94
Function Main()
    Main = Sgn(Null)
End Function
