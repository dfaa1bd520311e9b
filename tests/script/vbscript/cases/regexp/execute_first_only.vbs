' expect: 1
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "o"
    Main = re.Execute("foo").Count
End Function
