' expect: 0,255,65280,16711680,16777215
Function Main()
    Main = vbBlack & "," & vbRed & "," & vbGreen & "," & vbBlue & "," & vbWhite
End Function
