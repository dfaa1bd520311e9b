' expect: False
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "^\d+$"
    Main = re.Test("12a45")
End Function
