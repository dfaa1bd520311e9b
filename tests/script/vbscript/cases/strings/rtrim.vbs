' expect: [  a]
Function Main()
    Main = "[" & RTrim("  a  ") & "]"
End Function
