' expect-error: 5019
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "[abc"
    Main = re.Test("abc")
End Function
