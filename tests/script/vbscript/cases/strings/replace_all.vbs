' expect: a+b+c
Function Main()
    Main = Replace("a-b-c", "-", "+")
End Function
