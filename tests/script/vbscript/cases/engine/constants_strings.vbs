' expect: 2213109
Function Main()
    Main = Len(vbCrLf) & Len(vbNewLine) & AscW(vbCr) & AscW(vbLf) & AscW(vbTab)
End Function
