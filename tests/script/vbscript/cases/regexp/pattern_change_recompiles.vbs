' expect: FalseTrue
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "a"
    Dim first
    first = re.Test("b")
    re.Pattern = "b"
    Main = first & re.Test("b")
End Function
