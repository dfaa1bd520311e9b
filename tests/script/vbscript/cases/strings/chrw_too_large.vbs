' expect-error: 5
Function Main()
    Main = ChrW(65536)
End Function
