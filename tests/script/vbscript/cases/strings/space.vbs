' expect: [   ]
Function Main()
    Main = "[" & Space(3) & "]"
End Function
