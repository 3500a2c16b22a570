' Const literals of every kind keep their types; Const at script level is seen in procedures; Public and Private Const.
Const cs = "text", ci = 5, cl = 100000, cf = 1.5, cb = True, ch = &HFF, cn = -5, cd = #1/2/2003#
WScript.Echo TypeName(cs), TypeName(ci), TypeName(cl), TypeName(cf), TypeName(cb), TypeName(ch), TypeName(cn), TypeName(cd)
WScript.Echo cs, ci, cl, cf, cb, ch, cn, Year(cd)
Sub UseConst
  WScript.Echo ci * 2
End Sub
UseConst
Private Const pc = "private const"
Public Const pubc = "public const"
WScript.Echo pc, pubc
