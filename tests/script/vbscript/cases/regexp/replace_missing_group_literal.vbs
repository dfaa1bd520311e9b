' expect: a$3c
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "b"
    Main = re.Replace("abc", "$3")
End Function
