' expect: 0
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "z"
    re.Global = True
    Main = re.Execute("abc").Count
End Function
