' expect: False
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "abc"
    Main = re.Test("ABC")
End Function
