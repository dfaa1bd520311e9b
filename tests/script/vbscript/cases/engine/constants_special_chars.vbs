' expect: 0,0,11,12,8
Function Main()
    Main = AscW(vbNullChar) & "," & Len(vbNullString) & "," & AscW(vbVerticalTab) & "," & AscW(vbFormFeed) & "," & AscW(vbBack)
End Function
