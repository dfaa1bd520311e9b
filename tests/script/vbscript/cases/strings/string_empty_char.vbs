' expect-error: 5
Function Main()
    Main = String(2, "")
End Function
