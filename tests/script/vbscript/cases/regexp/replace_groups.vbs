' expect: world hello
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "(\w+) (\w+)"
    Main = re.Replace("hello world", "$2 $1")
End Function
