' uses: table.inc
' Compile errors: the number each malformed statement gives (through Execute,
' which reports what a whole program's compile does), then whole programs for
' the line an error is reported at.
? Stmt("Class C1: Public Default Property Let A(v): End Property: End Class") => 1058
? Stmt("Function F(): Exit Sub: End Function") => 1039
? Stmt("Select 1" & vbLf & "End Select") => 1021
? Stmt("Class C2" & vbLf & "Dim x" & vbLf & "End Sub") => 1047
? Stmt("x = (1 + 2") => 1006
? Stmt("If 1 = 1 Then" & vbLf & "x = 1") => 1014
? Stmt("Function F()" & vbLf & "End Sub") => 1015
? Stmt("Function F()" & vbLf & "If 1 = 1 Then" & vbLf & "End Function") => 1012
? Stmt("x = 1 2") => 1025
? Stmt("Sub S()" & vbLf & "End Function") => 1016
? Stmt("For i 1 To 2: Next") => 1011
? Stmt("x = 1 +" & vbLf) => 1023
? Stmt("x = 1 +") => 1002
? Stmt("Dim 5") => 1010
? Stmt("If 1 = 1 Then" & vbLf & "End Sub") => 1012
? Stmt("For Each x Of Array(1): Next") => 1046
? Stmt("Dim n: Dim a(n)") => 1026
? Stmt("Const A = B") => 1045
? Stmt("Function F()" & vbLf & "Do" & vbLf & "End Function") => 1019
? Stmt("Function F()" & vbLf & "For i = 1 To 3" & vbLf & "End Function") => 1020
? Stmt("Class C3: Property Get P: End Function: End Class") => 1050
? Stmt("Select Case 1" & vbLf & "Case 1" & vbLf & "End If") => 1022
? Stmt("If 1 = 1" & vbLf & "End If") => 1017
? Stmt("For i = 1 3: Next") => 1013
? Stmt("Function F()" & vbLf & "While False" & vbLf & "End Function") => 1018
? Stmt("Do Forever: Loop") => 1028
? Stmt("With Nothing" & vbLf & "End If") => 1029
? Stmt("Class C4: Sub Class_Initialize(a): End Sub: End Class") => 1053
? Stmt("Exit Do") => 1039
? Stmt("Loop") => 1038
? Stmt("Class C5: Public Default Sub A: End Sub: Public Default Sub B: End Sub: End Class") => 1052
? Stmt("Dim a: Dim a") => 1041
? Stmt("On Error Foo") => 1002
? Stmt("Dim x: Option Explicit") => 1024
? Stmt("Sub S(a, b): End Sub: S(1, 2)") => 1044
? Stmt("Class C6: Private Default Function A(): End Function: End Class") => 1057
? Stmt("Class C7: Property Get P(a): End Property: Property Let P(v): End Property: End Class") => 1051
? Stmt("Class C8: Property Let P(): End Property: End Class") => 1054
? Stmt("Class C9: Property Put P: End Property: End Class") => 1049
? Stmt("Property Get P: End Property") => 1048
? Stmt(")") => 1024
? Stmt("Next") => 1055
' case: first error of several
' expect-compile-error: 1025
' expect-line: 51
Function Main()
  x = 1 2
  y = (
End Function
' case: unclosed block at its enclosing block's end
' expect-compile-error: 1012
' expect-line: 59
Function Main()
  If 1 = 1 Then
End Function
' case: unclosed block at the end of the file
' expect-compile-error: 1014
' expect-line: 65
If 1 = 1 Then
  x = 1
