' expect: 6
Function Main()
    Main = InStr(4, "abcabc", "c")
End Function
