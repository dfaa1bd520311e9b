' expect: -10-2
Function Main()
    Main = vbTrue & vbFalse & vbUseDefault
End Function
