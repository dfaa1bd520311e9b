' expect: cba
Function Main()
    Main = StrReverse("abc")
End Function
