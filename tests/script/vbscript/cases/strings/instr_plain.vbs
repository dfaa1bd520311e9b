' expect: 3
Function Main()
    Main = InStr("abcabc", "c")
End Function
