' expect: True
Function Main()
    Main = DateAdd("d", -1, DateSerial(2024, 1, 1)) = DateSerial(2023, 12, 31)
End Function
