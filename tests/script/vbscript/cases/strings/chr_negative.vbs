' expect-error: 5
Function Main()
    Main = Chr(-1)
End Function
