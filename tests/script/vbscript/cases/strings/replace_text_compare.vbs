' expect: ----
Function Main()
    Main = Replace("aAaA", "a", "-", 1, -1, vbTextCompare)
End Function
