' expect-error: 5
Function Main()
    SetLocale "xx-yy"
End Function
