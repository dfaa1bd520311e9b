' expect-error: 6
Function Main()
Main = 1E308 * 10
End Function
