' expect: []
Function Main()
    Main = "[" & Mid("abc", 10) & "]"
End Function
