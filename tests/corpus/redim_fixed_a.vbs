' ReDim Preserve of a fixed array raises 10 and keeps it; Erase of an unallocated array; Preserve after Erase.
Dim fixed(2)
fixed(0) = "kept"
On Error Resume Next
ReDim Preserve fixed(5)
WScript.Echo "preserve fixed", Err.Number, UBound(fixed), fixed(0)
Err.Clear
Dim never()
Erase never
WScript.Echo "erase unallocated", Err.Number
ReDim grown(1)
Erase grown
ReDim Preserve grown(2)
WScript.Echo "preserve after erase", Err.Number, UBound(grown)
Sub Reset(arr)
  ReDim arr(5)
End Sub
Reset fixed
WScript.Echo "redim fixed through byref", Err.Number, UBound(fixed)
