' expect-error: 5
Function Main()
    Main = Chr(256)
End Function
