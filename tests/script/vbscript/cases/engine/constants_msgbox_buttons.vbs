' expect: 012345
Function Main()
    Main = vbOKOnly & vbOKCancel & vbAbortRetryIgnore & vbYesNoCancel & vbYesNo & vbRetryCancel
End Function
