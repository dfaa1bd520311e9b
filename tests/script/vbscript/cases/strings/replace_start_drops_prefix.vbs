' expect: cxbc
Function Main()
    Main = Replace("abcabc", "a", "x", 3)
End Function
