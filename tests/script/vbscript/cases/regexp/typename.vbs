' expect: IRegExp2
Function Main()
    Dim re
    Set re = New RegExp
    Main = TypeName(re)
End Function
