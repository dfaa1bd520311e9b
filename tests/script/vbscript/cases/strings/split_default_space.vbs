' expect: z
Function Main()
    Main = Split("x y z")(2)
End Function
