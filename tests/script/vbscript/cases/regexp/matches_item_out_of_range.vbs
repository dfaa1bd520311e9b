' expect-error: 5
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "a"
    Main = re.Execute("a")(1)
End Function
