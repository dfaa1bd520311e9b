' expect: 1
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "^\w"
    re.Global = True
    Main = re.Execute("ab" & vbLf & "cd").Count
End Function
