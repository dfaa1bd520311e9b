' expect: a<1>b<22>
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "\d+"
    re.Global = True
    Main = re.Replace("a1b22", "<$&>")
End Function
