' expect-error: 438
Function Main()
    Dim re
    Set re = New RegExp
    Main = re.Frobnicate
End Function
