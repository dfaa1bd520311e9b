' expect: 1/2/2020 3:04:05 PM
Function Main()
Main = CStr(#1/2/2020 15:04:05#)
End Function
