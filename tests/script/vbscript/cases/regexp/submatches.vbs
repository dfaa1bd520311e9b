' expect: joe|site|2
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "(\w+)@(\w+)\.com"
    Dim m
    Set m = re.Execute("mail joe@site.com now")(0)
    Main = m.SubMatches(0) & "|" & m.SubMatches(1) & "|" & m.SubMatches.Count
End Function
