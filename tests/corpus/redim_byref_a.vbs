' ReDim of a ByRef array parameter resizes the caller's array; of a ByVal one only the copy.
Sub Push(arr, v)
  ReDim Preserve arr(UBound(arr) + 1)
  arr(UBound(arr)) = v
End Sub
list = Array()
Push list, "a"
Push list, "b"
WScript.Echo UBound(list), Join(list, ",")
Dim dynList()
ReDim dynList(0)
dynList(0) = "first"
Push dynList, "second"
WScript.Echo UBound(dynList), Join(dynList, ",")
Sub Reset(arr)
  ReDim arr(1)
End Sub
Reset list
WScript.Echo UBound(list), IsEmpty(list(0))
Sub PushVal(ByVal arr, v)
  ReDim Preserve arr(UBound(arr) + 1)
End Sub
PushVal list, 1
WScript.Echo UBound(list)
