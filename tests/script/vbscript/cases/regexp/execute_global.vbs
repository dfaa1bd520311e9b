' expect: 4
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "o"
    re.Global = True
    Main = re.Execute("foo boo").Count
End Function
