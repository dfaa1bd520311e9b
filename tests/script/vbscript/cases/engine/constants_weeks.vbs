' expect: 0123
Function Main()
    Main = vbUseSystem & vbFirstJan1 & vbFirstFourDays & vbFirstFullWeek
End Function
