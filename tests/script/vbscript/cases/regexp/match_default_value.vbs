' expect: 42
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "\d+"
    Main = re.Execute("ab 42")(0)
End Function
