' expect: 1234567
Function Main()
    Main = vbOK & vbCancel & vbAbort & vbRetry & vbIgnore & vbYes & vbNo
End Function
