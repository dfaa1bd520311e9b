' expect: 112335
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "\d"
    re.Global = True
    Dim m, s
    For Each m In re.Execute("a1b2c3")
        s = s & m.Value & m.FirstIndex
    Next
    Main = s
End Function
