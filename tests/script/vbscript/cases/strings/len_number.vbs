' expect: 5
Function Main()
    Main = Len(12345)
End Function
