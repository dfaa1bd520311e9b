' expect: 3
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "^\w"
    re.Global = True
    re.Multiline = True
    Main = re.Execute("ab" & vbCrLf & "cd" & vbLf & "ef").Count
End Function
