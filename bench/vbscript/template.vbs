' Template-like loop: 20,000 records formatted into HTML table rows, five times.
Const N = 20000
Dim ids(), titles(), prices(), i, pass, t, html, total
ReDim ids(N - 1)
ReDim titles(N - 1)
ReDim prices(N - 1)
For i = 0 To N - 1
  ids(i) = i + 1
  titles(i) = "Article <" & i & "> & more"
  prices(i) = ((i * 37) Mod 1000) / 8
Next
total = 0
For pass = 1 To 5
  html = ""
  For i = 0 To N - 1
    t = Replace(Replace(Replace(titles(i), "&", "&amp;"), "<", "&lt;"), ">", "&gt;")
    html = html & "<tr><td>" & ids(i) & "</td><td>" & t & "</td><td>" & _
           FormatNumber(prices(i), 2) & "</td></tr>" & vbCrLf
  Next
  total = total + Len(html)
Next
WScript.Echo total
