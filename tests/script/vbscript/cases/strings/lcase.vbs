' expect: hello äö
Function Main()
    Main = LCase("HeLLo ÄÖ")
End Function
