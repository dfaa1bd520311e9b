' expect: yes
Function Main()
If 1 < 2 Then Main = "yes" Else Main = "no"
End Function
