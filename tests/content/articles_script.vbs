' Articles and a magazine the way administration pages handle them: a
' channel with a typed property, articles with pages, properties and related
' articles, lists, moves and the errors pages show; a magazine with a column,
' issues and attributes.
Option Explicit
Dim tree, news, doc, element, schema, a, b, c, p, rs, mag, col, iss, attr, rel

Set news = CreateObject("Corvela.Channel")
news.Name = "News"
news.Template = "/templates/article.htm"
news.NameMethod = "/news/{@uid}.htm"
news.Save
Set tree = CreateObject("Corvela.ChannelManager")
tree.Init
Set doc = CreateObject("MSXML2.DOMDocument")
doc.loadXML tree.Structure
Set element = doc.createElement("News")
element.setAttribute "id", news.ID
doc.documentElement.appendChild element
tree.Structure = doc.xml
tree.SaveConfig

Set schema = CreateObject("Corvela.Schema")
schema.Load news.ID
schema.AddProperty "Price", "价格", "NUMBER", "TEXT", ""
schema.AddProperty "Source", "", "STRING", "TEXT", ""

Set a = CreateObject("Corvela.Content")
a.Columnid = news.ID
a.Title = "It's spring"
a.Keyword = "spring,flowers"
a.Item("Price") = "12.5"
a.Item("Source") = "wire"
a.AddPage 1, "First page"
a.AddPage 9, "Second page"
a.Save
WScript.Echo "saved " & a.ID & ", status " & a.Status & ", pages " & a.Pages.Count
For Each p In a.Pages
  WScript.Echo "  page " & p.PageNum & ": " & p.Content
Next

On Error Resume Next
a.Item("Price") = "cheap"
WScript.Echo Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
Set c = CreateObject("Corvela.Content")
c.Save
WScript.Echo Err.Number & " " & Err.Description
Err.Clear
Set rs = c.ListAll(news.ID, "1) OR (1=1")
WScript.Echo Err.Number & " " & Err.Description
Err.Clear
On Error GoTo 0

Set b = CreateObject("Corvela.Content")
b.Columnid = news.ID
b.Title = "Garden flowers"
b.Keyword = "flowers"
b.Status = 3
b.Save
a.CreateRelative
a.Save
For Each rel In a.RelativeArticles
  WScript.Echo "related: " & rel.Title
Next
Set doc = a.Fields
WScript.Echo "fields: " & doc("title") & " / " & doc("PRICE") & " / " & doc("url") & " / " & doc("RelativeArticle").Count

Set c = CreateObject("Corvela.Content")
c.Load a.ID
WScript.Echo "loaded: " & c.Title & ", price " & c.Item("Price") & ", source " & c.Item("Source") & ", status " & c.Status
c.MoveUp
Set rs = c.ListAll(news.ID)
Do Until rs.EOF
  WScript.Echo "list: " & rs("id") & " " & rs("title") & " (" & rs("status") & ")"
  rs.MoveNext
Loop
Set rs = c.ListAll(news.ID, "3")
WScript.Echo "submitted: " & rs.RecordCount
Set c = c.CopyTo(news.ID)
WScript.Echo "copy " & c.ID & " with " & c.Pages.Count & " pages, price " & c.Item("Price")
c.Del c.ID
WScript.Echo "after delete: " & a.ListAll(news.ID).RecordCount & " articles"

Set mag = CreateObject("Corvela.Magazine")
mag.Name = "Monthly"
mag.CoverPage = "/monthly/cover.htm"
mag.SetAttribute "editor", "Ann O'Neil"
mag.Save
Set col = CreateObject("Corvela.Column")
col.Name = "Features"
col.Template = "/templates/article.htm"
col.Directory = "/monthly"
col.NameMethod = "/monthly/{@uid}.htm"
col.MagazineID = mag.ID
col.Save
Set iss = CreateObject("Corvela.Issue")
iss.MagazineID = mag.ID
iss.IssueYear = "2003"
iss.IssueNumber = "5"
iss.SetAttribute "theme", "spring"
iss.Save
Set iss = CreateObject("Corvela.Issue")
iss.MagazineID = mag.ID
iss.IssueYear = "2003"
iss.IssueNumber = "5"
On Error Resume Next
iss.Save
WScript.Echo Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
On Error GoTo 0
mag.Load mag.ID
WScript.Echo "magazine " & mag.Name & ", cover " & mag.CoverPage & ", editor " & mag.GetAttribute("Editor")
For Each attr In mag.AllAttribute
  WScript.Echo "  " & attr.Name & " = " & attr.Value
Next
WScript.Echo "columns: " & mag.Columns.Count & ", first " & mag.Columns.Item(1).Name
For Each iss In mag.Issues
  WScript.Echo "issue " & iss.IssueYear & "/" & iss.IssueNumber & " theme " & iss.GetAttribute("THEME")
Next
mag.Del mag.ID
WScript.Echo "magazines left: " & mag.ListAll.RecordCount
