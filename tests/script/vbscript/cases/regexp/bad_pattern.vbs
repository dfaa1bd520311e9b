' expect-error: 5020
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "(abc"
    Main = re.Test("abc")
End Function
