' expect: 24-2
Function Main()
    Main = Round(2.5) & Round(3.5) & Round(-2.5)
End Function
