' expect: True
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "abc"
    re.IgnoreCase = True
    Main = re.Test("xABCx")
End Function
