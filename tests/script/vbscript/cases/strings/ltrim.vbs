' expect: [a  ]
Function Main()
    Main = "[" & LTrim("  a  ") & "]"
End Function
