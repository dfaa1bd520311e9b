' expect: FalseFalseFalse[]
Function Main()
    Dim re
    Set re = New RegExp
    Main = re.Global & re.IgnoreCase & re.Multiline & "[" & re.Pattern & "]"
End Function
