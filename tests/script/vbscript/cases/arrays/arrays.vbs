' Arrays: bounds, subscripts, ReDim, Erase, copies and passing to procedures.
? UBound(Array()) => -1
? LBound(Array(1)) => 0
? UBound(5) => err13
? VarType(Array()) => 8204
