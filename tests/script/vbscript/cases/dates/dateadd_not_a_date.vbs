' expect-error: 13
Function Main()
    Main = DateAdd("d", 1, "nonsense")
End Function
