' Sorting with StrComp's vbTextCompare follows the en-US collation: accented letters
' beside their base letter, case ignored, hyphen and apostrophe set aside.
' locale: en-US
words = Array("zebra", "Äpfel", "apple", "Banana", "éclair", "Eagle", "ant", "Zürich", "côte", "cote", "coté", "co-op", "coop", "cop", "coo", "O'Neil", "Ona")
For i = 0 To UBound(words) - 1
  For j = 0 To UBound(words) - 1 - i
    If StrComp(words(j), words(j + 1), vbTextCompare) > 0 Then
      t = words(j): words(j) = words(j + 1): words(j + 1) = t
    End If
  Next
Next
WScript.Echo Join(words, " ")
' The operators and vbBinaryCompare keep UTF-16 code unit order.
WScript.Echo "ä" < "b", StrComp("ä", "b"), StrComp("ä", "b", 1), StrComp("ä", "B", 1)
WScript.Echo StrComp("STRASSE", "Straße", 1), StrComp("ENCYCLOPAEDIA", "Encyclopædia", 1), StrComp("a", "á", 1), StrComp("", "a", 1)
WScript.Echo StrComp("10", "9", 1), StrComp("a b", "ab", 1), StrComp("coop", "co-op", 1), StrComp(Null, "a", 1) & ""
