' expect: failed: of 28
' Procedures and classes: declarations inside blocks and on one line,
' redefinition, ByRef elements, default members, keywords as names.
Dim failed, count, x, y, funcCalled
Sub T(c, label)
  count = count + 1
  If Not c Then failed = failed & " " & label
End Sub
If False Then
Sub InIf() x = "sub in if" End Sub
Function FuncInIf() : FuncInIf = "func in if" : End Function
Const conststr = "str"
End If
Sub SubParseTest
End Sub : x = False
Public Sub TestSeparatorSub : :
:
End Sub
Public Function TestSepFunc(ByVal a) : :
: TestSepFunc = a
End Function
Function duplicatedfunc
  duplicatedfunc = 1
End Function
Sub duplicatedfunc
End Sub
Function duplicatedfunc
  duplicatedfunc = 2
End Function
Sub EndTestSubWithCall
  x = 1
  Call T(x = 1, "end sub glued")End Sub
Class EndTestClass
  Public v End Class
Class EndTestClassWithFunc
  Function Test(ByVal v)
    Test = v + 1 End Function End Class
Class SeparatorTest : : Dim varTest1
:
  Private Sub Class_Initialize : varTest1 = 1
  End Sub ::
  Property Get Test1() :
    Test1 = varTest1
  End Property ::
  Property Let Test1(a) :
    varTest1 = a
  End Property :
End Class
Class TestMeIndex
  Private arr_(1)
  Public Default Property Get Item(idx) : Item = arr_(idx) : End Property
  Public Sub SetVal(idx, v) : arr_(idx) = v : End Sub
  Public Function Both() : SetVal 0, "a" : SetVal 1, "b" : Both = Me(0) & Me(1) : End Function
End Class
Class DefaultSubTest
  Public Default Sub Init(a) : funcCalled = "init" & a : End Sub
End Class
Class Property
  Public Sub Property() : End Sub
End Class
Class NamesAsMembers
  Function Error(par) : Error = par : End Function
  Function Explicit(par) : Explicit = par : End Function
  Sub Step(default) : funcCalled = default : End Sub
  Public Property Get Property() : Property = "p" : End Property
End Class
Class TestPropParam
  Public oDict
  Public Property Let Key(oldKey, newKey) : oDict = oldKey & newKey : End Property
  Public Property Let Three(a, b, c) : oDict = a & b & c : End Property
End Class
Class Priv
  Private p1
  Public Sub TestMe(other) : T Me Is other, "Me is the object" : End Sub
End Class
Function seta0(arr)
  arr(0) = 2
  seta0 = 1
End Function
Sub changearg(v)
  v = 2
End Sub
Function recursingfunction(stopNow)
  If stopNow Then Exit Function
  recursingfunction = 2
  Dim r
  r = recursingfunction
  T r = 2, "function name reads the result"
  recursingfunction = 1
  Call recursingfunction(True)
End Function
Function Main()
  Dim o, arr
  InIf
  T x = "sub in if" And FuncInIf() = "func in if" And conststr = "str", "declarations inside If False"
  T TestSepFunc(1) = 1, "separators after a header"
  T duplicatedfunc() = 2, "last definition wins"
  EndTestSubWithCall
  T 2 = (New EndTestClassWithFunc).Test(1), "End Function End Class on one line"
  Set o = New SeparatorTest
  T o.Test1 = 1, "class with separators"
  o.Test1 = 6
  T o.Test1 = 6, "property let with separators"
  T "ab" = (New TestMeIndex).Both(), "Me(index) is the default member"
  Set o = New DefaultSubTest
  o(2)
  T funcCalled = "init2", "default Sub called through o(2)"
  Set o = New NamesAsMembers
  T o.Error(1) = 1 And o.Explicit(2) = 2 And o.Property = "p", "keywords as member names"
  o.Step 5
  T funcCalled = 5, "Step as a Sub, Default as a parameter"
  Set o = New TestPropParam
  o.Key("old") = "new"
  T o.oDict = "oldnew", "property let with an index"
  o.Three(1, 2) = 3
  T o.oDict = "123", "property let with two indexes"
  Set o = New Priv
  o.TestMe o
  On Error Resume Next
  o.p1 = 1
  T Err.Number = 438, "private field from outside"
  Err.Clear
  x = 1
  x = Nothing
  T Err.Number = 91 And x = 1, "let of Nothing"
  Err.Clear
  x = Not Nothing
  T Err.Number = 91, "Not Nothing"
  Err.Clear
  x = "" & Nothing
  T Err.Number = 91, "concat Nothing"
  On Error GoTo 0
  arr = Array(1): seta0 arr
  T arr(0) = 2, "array by reference"
  arr = Array(1): seta0 (arr)
  T arr(0) = 1, "parenthesised argument by value"
  arr = Array(1): Call seta0((arr))
  T arr(0) = 1, "call with parenthesised argument"
  arr = Array(Array(3)): seta0 arr(0)
  T arr(0)(0) = 2, "array element of array by reference"
  arr = Array(Array(3)): seta0 (arr(0))
  T arr(0)(0) = 3, "element in parentheses by value"
  arr = Array(1): changearg arr(0)
  T arr(0) = 2, "array element by reference"
  arr = Array(1): changearg (arr(0))
  T arr(0) = 1, "element in parentheses by value 2"
  y = ((arr))(0)
  T y = 1, "index on a parenthesised array"
  T recursingfunction(False) = 1, "recursive call keeps the result"
  Main = "failed:" & failed & " of " & count
End Function
