' expect: True
Function Main()
    Main = DateAdd("m", 1, DateSerial(2024, 1, 31)) = DateSerial(2024, 2, 29)
End Function
