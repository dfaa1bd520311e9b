' expect-error: 429
Function Main()
    Set Main = GetObject("c:\some\file.xls")
End Function
