' expect: f0o
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "o"
    Main = re.Replace("foo", "0")
End Function
