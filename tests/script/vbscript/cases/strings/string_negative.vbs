' expect-error: 5
Function Main()
    Main = String(-1, "a")
End Function
