' expect: abc
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "(a)(b)(c)"
    Dim x, s
    For Each x In re.Execute("abc")(0).SubMatches
        s = s & x
    Next
    Main = s
End Function
