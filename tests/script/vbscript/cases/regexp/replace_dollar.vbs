' expect: a$c
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "b"
    Main = re.Replace("abc", "$$")
End Function
