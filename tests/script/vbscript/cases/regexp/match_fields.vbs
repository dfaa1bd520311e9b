' expect: bb,1,2
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "b+"
    Dim m
    Set m = re.Execute("abbc")(0)
    Main = m.Value & "," & m.FirstIndex & "," & m.Length
End Function
