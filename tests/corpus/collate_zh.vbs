' Under zh-CN, vbTextCompare orders Chinese by pinyin, after Latin letters, while
' vbBinaryCompare and the operators order by code unit.
' locale: zh-CN
cities = Array("上海", "北京", "深圳", "Zoo", "广州", "天津", "杭州", "成都", "abc")
For i = 0 To UBound(cities) - 1
  For j = 0 To UBound(cities) - 1 - i
    If StrComp(cities(j), cities(j + 1), vbTextCompare) > 0 Then
      t = cities(j): cities(j) = cities(j + 1): cities(j + 1) = t
    End If
  Next
Next
WScript.Echo Join(cities, " ")
WScript.Echo StrComp("阿", "波", 1), StrComp("阿", "波", 0), "阿" < "波", StrComp("中", "国", 1), StrComp("中", "国", 0)
WScript.Echo StrComp("Ä", "ä", 1), StrComp("ä", "b", 1), StrComp("北京", "北京市", 1)
