' expect: True
Function Main()
    Dim re
    Set re = New RegExp
    re.Pattern = "\u00e9"
    Main = re.Test("caf" & ChrW(233))
End Function
