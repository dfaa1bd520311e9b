' expect: [a b]
Function Main()
    Main = "[" & Trim("  a b  ") & "]"
End Function
