' expect: Long Double
Function Main()
Main = TypeName(256 * 256) & " " & TypeName(65536 * 65536)
End Function
