' expect-error: 28
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "(a+)+$"
    Main = re.Test(String(40, "a") & "b")
End Function
