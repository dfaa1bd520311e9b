' expect: failed: of 177
' uses: table.inc
' CByte, CCur, CDate, CDbl, CLng, CInt and CSng, with TypeName and VarType,
' as an expression table (CStr of the value, "Null", or "err" and the error
' number). A conversion called as a statement is refused with 458.
Function Main()
  Check Join(Array( _
    "CByte(Empty) => 0", "TypeName(CByte(Empty)) => Byte", "CByte(255) => 255", "CByte(255.49) => 255", _
    "CByte("""") => err13", "CByte(""-1"") => err6", "CByte(""258"") => err6", "CByte(""TRUE"") => err13", _
    "CByte(""FALSE"") => err13", "CByte(""#TRue#"") => err13", "CByte(""#fAlSE#"") => err13", _
    "CByte(""-0.5"") => 0", "TypeName(CByte(""-0.5"")) => Byte", "CByte(True) => 255", "CByte(False) => 0", _
    "CByte(Obj(0)) => 0", "CByte(Obj(1)) => 1", "TypeName(CByte(Obj(1))) => Byte", _
    "Stmt(""Call CByte(1)"") => 458", "Stmt(""Call CByte(""""-1"""")"") => 6", "Stmt(""Call CByte("""""""")"") => 13", _
    "CCur(Empty) => 0", "TypeName(CCur(Empty)) => Currency", "CCur(-32768) => -32768", "CCur(32768) => 32768", _
    "CCur(0.000149) => 0.0001", "CCur(2147483647.99) => 2147483647.99", "TypeName(CCur(2147483647.99)) => Currency", _
    "CCur(""-1"") => -1", "CCur(""-0.5"") => -0.5", "TypeName(CCur(""-0.5"")) => Currency", _
    "CCur("""") => err13", "CCur(""TRUE"") => err13", "CCur(""FALSE"") => err13", "CCur(""#TRue#"") => err13", _
    "CCur(""#fAlSE#"") => err13", "CCur(True) => -1", "CCur(False) => 0", "CCur(Obj(0.1)) => 0.1", _
    "TypeName(CCur(Obj(0))) => Currency", "Stmt(""Call CCur(""""-1"""")"") => 458", "Stmt(""Call CCur(1)"") => 458"), vbLf)
  Check Join(Array( _
    "CDate(Empty) = 0 => True", "TypeName(CDate(Empty)) => Date", "CDate(0) = 0 => True", "CDate(1) => 12/31/1899", _
    "TypeName(CDate(""1"")) => Date", "CDate(""1"") => 12/31/1899", "CDate(""1/1/2000"") => 1/1/2000", _
    "CDate(-1) => 12/29/1899", "CDate(100000) => 10/14/2173", "CDate("""") => err13", "CDate(Null) => err94", _
    "Stmt(""Call CDate(1)"") => 458", "Stmt(""Call CDate(Null)"") => 94", _
    "CDbl(Empty) => 0", "TypeName(CDbl(Empty)) => Double", "CDbl(CByte(0)) => 0", "TypeName(CDbl(CCur(0))) => Double", _
    "CDbl(32768) => 32768", "CDbl(0.001 * 0.001) = 0.000001 => True", "CDbl(""-1"") => -1", "CDbl(""-0.5"") => -0.5", _
    "CDbl("""") => err13", "CDbl(""TRUE"") => err13", "CDbl(""FALSE"") => err13", "CDbl(""#TRue#"") => err13", _
    "CDbl(""#fAlSE#"") => err13", "CDbl(True) => -1", "CDbl(False) => 0", "TypeName(CDbl(True)) => Double", _
    "CDbl(Obj(0.1)) => 0.1", "TypeName(CDbl(Obj(0))) => Double", "Stmt(""Call CDbl(1)"") => 458", _
    "CLng(Empty) => 0", "TypeName(CLng(Empty)) => Long", "CLng(CByte(0)) => 0", "TypeName(CLng(CCur(0))) => Long", _
    "CLng(0.49) => 0", "CLng(0.5) => 0", "CLng(0.51) => 1", "CLng(1.49) => 1", "CLng(1.5) => 2", "CLng(1.51) => 2", _
    "TypeName(CLng(1.5)) => Long", "CLng(""-1"") => -1", "CLng(""-0.5"") => 0", "TypeName(CLng(""-0.5"")) => Long", _
    "CLng("""") => err13", "CLng(""TRUE"") => err13", "CLng(""FALSE"") => err13", "CLng(""#TRue#"") => err13", _
    "CLng(""#fAlSE#"") => err13", "CLng(True) => -1", "CLng(False) => 0", "CLng(Obj(1)) => 1", _
    "TypeName(CLng(Obj(0))) => Long", "Stmt(""Call CLng(1)"") => 458"), vbLf)
  Check Join(Array( _
    "CInt(Empty) => 0", "TypeName(CInt(Empty)) => Integer", "CInt(CByte(0)) => 0", "TypeName(CInt(CCur(0))) => Integer", _
    "CInt(0.49) => 0", "CInt(0.51) => 1", "CInt(1.49) => 1", "CInt(1.5) => 2", "CInt(1.51) => 2", _
    "CInt(""-1"") => -1", "CInt(""-0.5"") => 0", "TypeName(CInt(""-0.5"")) => Integer", _
    "CInt("""") => err13", "CInt(""TRUE"") => err13", "CInt(""FALSE"") => err13", "CInt(""#TRue#"") => err13", _
    "CInt(""#fAlSE#"") => err13", "CInt(32767.49) => 32767", "CInt(32767.5) => err6", "CInt(-32768.5) => -32768", _
    "CInt(-32768.51) => err6", "CInt(True) => -1", "CInt(False) => 0", "TypeName(CInt(True)) => Integer", _
    "CInt(Obj(2.5)) => 2", "CInt(Obj(1.5)) => 2", "TypeName(CInt(Obj(1.5))) => Integer", _
    "Stmt(""Call CInt(""""-1"""")"") => 458", "Stmt(""Call CInt(1)"") => 458", "Stmt(""Call CInt(32767.49)"") => 458", _
    "Stmt(""Call CInt(32767.5)"") => 6", "Stmt(""Call CInt(-32768.5)"") => 458", "Stmt(""Call CInt(-32768.51)"") => 6", _
    "CSng(Empty) => 0", "TypeName(CSng(Empty)) => Single", "CSng(CByte(0)) => 0", "TypeName(CSng(CCur(0))) => Single", _
    "CSng(32768) => 32768", "CSng(0.001 * 0.001) = 0.000001 => True", "TypeName(CSng(0.001 * 0.001)) => Single", _
    "CSng(""-1"") => -1", "CSng(""-0.5"") => -0.5", "CSng("""") => err13", "CSng(""TRUE"") => err13", _
    "CSng(""FALSE"") => err13", "CSng(""#TRue#"") => err13", "CSng(""#fAlSE#"") => err13", "CSng(True) => -1", _
    "CSng(False) => 0", "CSng(Obj(0.1)) = 0.1 => True", "TypeName(CSng(Obj(0))) => Single", "Stmt(""Call CSng(1)"") => 458"), vbLf)
  Check Join(Array( _
    "TypeName(Nothing) => Nothing", "TypeName(Empty) => Empty", "TypeName(Null) => Null", "VarType(TypeName(Null)) => 8", _
    "TypeName(CByte(255)) => Byte", "TypeName(255) => Integer", "TypeName(32768) => Long", "TypeName(CSng(0.5)) => Single", _
    "TypeName(-0.5) => Double", "TypeName(CCur(0.5)) => Currency", "TypeName(CStr(0.5)) => String", _
    "TypeName(True) => Boolean", "TypeName(Array(1)) => Variant()", "TypeName(New RegExp) => IRegExp2", _
    "VarType(Empty) => 0", "VarType(Null) => 1", "VarType(255) => 2", "VarType(New EmptyClass) => 9", _
    "VarType(32768) => 3", "VarType(CSng(0.5)) => 4", "VarType(-0.5) => 5", "VarType(CCur(0.5)) => 6", _
    "VarType(CStr(0.5)) => 8", "VarType(CBool(0.5)) => 11", "VarType(CByte(255)) => 17", _
    "VarType(Array(1)) => 8204", "TypeName(VarType(Empty)) => Integer"), vbLf)
  Main = "failed:" & failed & " of " & count
End Function
