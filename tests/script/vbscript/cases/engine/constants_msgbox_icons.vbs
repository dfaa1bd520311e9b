' expect: 16,32,48,64
Function Main()
    Main = vbCritical & "," & vbQuestion & "," & vbExclamation & "," & vbInformation
End Function
