' expect-error: 5
Function Main()
    SetLocale 12345
End Function
