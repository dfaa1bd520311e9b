' expect: True
Function Main()
    Main = DateSerial(2023, 13, 1) = DateSerial(2024, 1, 1)
End Function
