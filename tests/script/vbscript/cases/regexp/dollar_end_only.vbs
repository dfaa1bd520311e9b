' expect: False
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "a$"
    Main = re.Test("a" & vbLf)
End Function
