' expect: 01
Function Main()
    Main = vbBinaryCompare & vbTextCompare
End Function
