' expect: xxx
Function Main()
    Main = String(3, "xy")
End Function
