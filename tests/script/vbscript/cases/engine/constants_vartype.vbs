' expect: 0123456789101112178192
Function Main()
    Main = vbEmpty & vbNull & vbInteger & vbLong & vbSingle & vbDouble & vbCurrency & vbDate & vbString & vbObject & vbError & vbBoolean & vbVariant & vbByte & vbArray
End Function
