' expect: True
Function Main()
    Main = (Timer >= 0) And (Timer < 86400)
End Function
