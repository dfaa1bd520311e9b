' expect: True
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "^\d+$"
    Main = re.Test("12345")
End Function
