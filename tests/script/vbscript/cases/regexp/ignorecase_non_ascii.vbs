' expect: True
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = ChrW(1046)
    re.IgnoreCase = True
    Main = re.Test(ChrW(1078))
End Function
