' expect: True
Function Main()
    Main = Unescape("a%20b%u20AC") = "a b" & ChrW(8364)
End Function
