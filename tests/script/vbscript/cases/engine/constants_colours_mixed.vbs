' expect: 65535,16711935,16776960
Function Main()
    Main = vbYellow & "," & vbMagenta & "," & vbCyan
End Function
