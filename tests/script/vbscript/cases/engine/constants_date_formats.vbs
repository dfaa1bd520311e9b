' expect: 01234
Function Main()
    Main = vbGeneralDate & vbLongDate & vbShortDate & vbLongTime & vbShortTime
End Function
