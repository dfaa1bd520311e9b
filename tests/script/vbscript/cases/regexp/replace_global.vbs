' expect: f00
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "o"
    re.Global = True
    Main = re.Replace("foo", "0")
End Function
