' expect: failed: of 37
' Statement forms: one-line Ifs and their Else/End If, separators in every
' position, loops and Select Case on few lines, conditions of every type.
Dim failed, count, x, y, z, a1(8), s
Sub T(c, label)
  count = count + 1
  If Not c Then failed = failed & " " & label
End Sub
Class ValClass
  Public myval
  Public Default Property Get defprop : defprop = myval : End Property
End Class
Function SelectCaseTest(v)
  Select Case v
    case 0: SelectCaseTest = 100
    case 1  SelectCaseTest = 200
    case 2
            SelectCaseTest = 300
    case 3
    case 4  SelectCaseTest = 400
    case else SelectCaseTest = 500
  End Select
End Function
Function Steps(first, last, stp)
  Dim i, n
  For i = first To last Step stp : n = n + 1 : Next
  Steps = n
End Function
Function Main()
  x = False: If True Then y = True : x = y
  T x, "inline two statements"
  If False Then x = y : T False, "inline false ran" Else x = "else"
  T x = "else", "inline else"
  If False Then x = 1 Else x = 2 End If
  T x = 2, "inline else end if"
  x = False: If False Then x = True : x = True
  T x = False, "inline false skips all"
  x = False
  If False Then
  Else x = True
  End If
  T x, "else then statement"
  x = False
  If False Then
  Else
  : x = True
  End If
  T x, "else then colon"
  x = False
  If False Then
  ElseIf True Then x = True
  End If
  T x, "elseif statement same line"
  If False Then x = 1 Else
  If False Then x = 1 Else:
  x = 1
  If False Then
    x = 2
  Else x = 3 End If
  T x = 3, "else x end if"
  If False Then
    x = 2
  Else:x = 4:y = 5 End If
  T x = 4 And y = 5, "else colon statements end if"
  If False Then
    x = 2
  Else
    x = 6 End If
  T x = 6, "block statement end if"
  If False Then
    x = 2
  ElseIf True Then x = 7 End If
  T x = 7, "elseif end if"
  x = 0: If "0" Then x = 1
  T x = 0, "if ""0"""
  x = 0: If "-1" Then x = 1
  T x = 1, "if ""-1"""
  x = 0: If 0.1 Then x = 1
  T x = 1, "if 0.1"
  x = 0: If "TRUE" Then x = 1
  T x = 1, "if ""TRUE"""
  x = 0: If "#TRUE#" Then x = 1
  T x = 1, "if ""#TRUE#"""
  x = 0: If Not "#FALSE#" Then x = 1
  T x = 1, "if not ""#FALSE#"""
  x = 0: If &h10000& Then x = 1
  T x = 1, "if long"
  x = 0: If Empty Then x = 1
  If Null Then x = 1
  T x = 0, "if empty, null"
  Set y = New ValClass
  y.myval = 1
  T CBool(y) And (y = 1), "object default in condition"
  x = 0
  WHILE x < 3 : x = x + 1 : Wend
  T x = 3, "while on one line"
  x = 0
  Do While x < 2 : x = x + 1: Loop
  T x = 2, "do while on one line"
  x = 0
  Do: :: x = x + 2 :::  : Loop Until x = 4
  T x = 4, "do colons loop until"
  x = 0
  Do :If x = 6 Then
      Exit Do
    End If
    x = x + 3
  Loop
  T x = 6, "do colon if block"
  s = "": For x = 5 To 3 Step True : s = s & x : Next
  T s = "543", "step true"
  s = "": z = 4
  For x = 5 To z Step 3-4 : s = s & x : z = 0 : Next
  T s = "54", "bounds evaluated once"
  s = "": z = 1
  For x = 5 To 8 Step z : s = s & x : z = 2 : Next
  T s = "5678", "step evaluated once"
  s = "": For x = 5 To 8 : s = s & x : x = x + 1 : Next
  T s = "57", "counter assigned in loop"
  T Steps("1", 2, 1) = 2 And Steps(1, "2", 1) = 2 And Steps("1", "2", "1") = 2, "string bounds"
  T Steps(1, 2, 0.5) = 3 And Steps(1, 2.5, 0.5) = 4 And Steps("1", "2.5", "0.5") = 4, "fraction steps"
  For x = 1 To 8 : a1(x) = x - 1 : Next
  T a1(6) = 5, "for on one line with array"
  T SelectCaseTest(0) = 100 And SelectCaseTest(1) = 200 And SelectCaseTest(2) = 300, "case forms 1"
  T IsEmpty(SelectCaseTest(3)) And SelectCaseTest(4) = 400 And SelectCaseTest(5) = 500, "case forms 2"
  x = False
  Select Case 2: case 5,6,7: T False, "case list"
    case 2,1,2,4
      x = True
    case else: T False, "case else"
  End Select
  T x, "select on the case line"
  x = False
  Select Case 1  :

    :case 3, 4 :

    case 5
:
      T False, "case 5" :
    Case Else:

      x = True
  End Select
  T x, "select with blank lines and colons"
  Select Case 0 : case 1 : case else : end select
  y = "3": x = False
  Select Case y
    Case "3": x = True
    Case 3: x = False
  End Select
  T x, "select string subject"
  x = False
  Select Case 3
    case 2
    case "test"
    case 0, False, 2+1, 10
      x = True
    case else
  End Select
  T x, "select skips mismatched strings"
  Main = "failed:" & failed & " of " & count
End Function
