' expect: Integer Long String
Function Main()
    Main = TypeName(vbOK) & " " & TypeName(vbWhite) & " " & TypeName(vbCrLf)
End Function
