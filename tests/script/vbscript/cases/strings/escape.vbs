' expect: a%20b%26c/%E9
Function Main()
    Main = Escape("a b&c/é")
End Function
