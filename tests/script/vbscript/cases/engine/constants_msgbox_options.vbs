' expect: 256,4096,16384,65536,524288,1048576
Function Main()
    Main = vbDefaultButton2 & "," & vbSystemModal & "," & vbMsgBoxHelpButton & "," & vbMsgBoxSetForeground & "," & vbMsgBoxRight & "," & vbMsgBoxRtlReading
End Function
