' expect-error: 429
Function Main()
    Set Main = GetObject("", "No.Such.Thing")
End Function
