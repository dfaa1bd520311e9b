' expect: Hi
Function Main()
    Main = Chr(72) & Chr(105)
End Function
