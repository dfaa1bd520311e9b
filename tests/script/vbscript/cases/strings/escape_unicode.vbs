' expect: %u20AC
Function Main()
    Main = Escape(ChrW(8364))
End Function
