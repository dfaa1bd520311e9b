' expect: True
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "(a)(x)?"
    Main = IsEmpty(re.Execute("a")(0).SubMatches(1))
End Function
