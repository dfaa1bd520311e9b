' expect: dimanche
Function Main()
    SetLocale "fr-fr"
    Main = WeekdayName(1)
End Function
