' expect: 3
Function Main()
    Main = Len(Trim(vbTab & "a" & vbTab))
End Function
