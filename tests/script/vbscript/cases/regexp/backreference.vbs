' expect: cc
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "(\w)\1"
    Main = re.Execute("abccd")(0).Value
End Function
