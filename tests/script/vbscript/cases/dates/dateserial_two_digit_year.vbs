' expect: 2029 1930
Function Main()
    Main = Year(DateSerial(29, 1, 1)) & " " & Year(DateSerial(30, 1, 1))
End Function
