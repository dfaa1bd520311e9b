' The logical operators read Empty as a Long 0; a Byte Imp Null keeps the
' Byte's width; unary + converts nothing.
? TypeName(Empty And Empty) & " " & TypeName(Empty Or CInt(5)) & " " & TypeName(Not Empty) => Long Long Long
? (Not Empty) & " " & (Empty Imp Null) & " " & TypeName(Empty Imp Null) => -1 -1 Long
? (CByte(170) Imp Null) & " " & TypeName(CByte(255) Imp Null) & " " & IsNull(CDate(-1) Imp Null) => 85 Byte True
? TypeName(+Empty) => Empty
