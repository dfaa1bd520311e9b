' expect: True
Function Main()
    Main = DateAdd("ww", 2, DateSerial(2000, 1, 1)) = DateSerial(2000, 1, 15)
End Function
