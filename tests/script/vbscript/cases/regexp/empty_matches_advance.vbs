' expect: -b--
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "a*"
    re.Global = True
    Main = re.Replace("baa", "-")
End Function
