' expect-error: 5018
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "*a"
    Main = re.Test("abc")
End Function
