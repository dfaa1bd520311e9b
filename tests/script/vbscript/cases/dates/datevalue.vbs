' expect: True
Function Main()
    Main = DateValue("2024-02-29 13:00") = DateSerial(2024, 2, 29)
End Function
