' expect: 12/2023
Function Main()
    Main = Month(DateSerial(2024, 0, 15)) & "/" & Year(DateSerial(2024, 0, 15))
End Function
