' expect-error: 70
Function Main()
    Main = InputBox("name?")
End Function
