' And, Or, Xor, Eqv, Imp and Not take Empty as a Long 0: their results on Empty are Longs. A Byte Imp Null is Not of the Byte, still a Byte.
WScript.Echo VarType(Empty And Empty), VarType(Empty Or Empty), VarType(Empty Xor Empty), VarType(Empty Eqv Empty), VarType(Empty Imp Empty), VarType(Not Empty)
WScript.Echo Empty And Empty, Empty Or Empty, Empty Eqv Empty, Empty Imp Empty, Not Empty
WScript.Echo TypeName(Empty And CInt(5)), Empty Or CInt(5), TypeName(Empty Xor CByte(5)), TypeName(Empty And False), TypeName(CInt(5) Imp Empty), CInt(5) Imp Empty
WScript.Echo TypeName(Empty And Null), IsNull(Empty Or Null), TypeName(Empty Imp Null), Empty Imp Null
x = CByte(170) Imp Null
WScript.Echo TypeName(x), x, CByte(0) Imp Null, CByte(255) Imp Null, TypeName(CByte(255) Imp Null)
WScript.Echo IsNull(CInt(5) Imp Null), IsNull(True Imp Null), False Imp Null
WScript.Echo VarType(Empty + Empty), VarType(-Empty)
