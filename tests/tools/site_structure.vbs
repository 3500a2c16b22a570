' Builds a small site the way administration pages do: channels saved
' through Corvela.Channel, their elements added to the tree through the DOM,
' a schema with custom properties and access entries passed down the branch.
Option Explicit
Dim tree, news, sports, doc, newsElement, sportsElement, ch, prop, acl, rs

Function NewChannel(name, alias)
  Dim c
  Set c = CreateObject("Corvela.Channel")
  c.Name = name
  c.Alias = alias
  c.Template = "/templates/article.htm"
  c.NameMethod = "/" & LCase(name) & "/{@uid}.htm"
  c.Save
  Set NewChannel = c
End Function

Set tree = CreateObject("Corvela.ChannelManager")
tree.Init
Set news = NewChannel("News", "新闻")
Set sports = NewChannel("Sports", "体育")

Set doc = CreateObject("MSXML2.DOMDocument")
doc.async = False
doc.loadXML tree.Structure
Set newsElement = doc.createElement(news.Name)
newsElement.setAttribute "id", news.ID
doc.documentElement.appendChild newsElement
Set sportsElement = doc.createElement(sports.Name)
sportsElement.setAttribute "id", sports.ID
newsElement.appendChild sportsElement
tree.Structure = doc.xml
tree.SaveConfig

WScript.Echo tree.Structure
WScript.Echo tree.GetPath(sports.ID) & " = " & tree.GetChannelID("/News/Sports/")
For Each ch In tree.RootChannels
  WScript.Echo "root: " & ch.Name & " " & ch.Alias
Next
WScript.Echo "subchannels of /News: " & tree.SubChannels("/News").Count & ", first " & tree.SubChannels("/News")(1).Name
WScript.Echo "parent of /News/Sports: " & tree.ParentChannel("/News/Sports").Name

news.ChannelSchema.AddProperty "Source", "来源", "string", "text", ""
news.ChannelSchema.AddProperty "Rating", "", "number", "select", "1,2,3"
news.ApplySchemaToChild
sports.Load sports.ID
For Each prop In sports.ChannelSchema
  WScript.Echo prop.PropertyID & " " & prop.PropertyName & " " & prop.PropertyType & " " & prop.InputType & " " & prop.Alias & " [" & prop.Options & "]"
Next

news.AddACLEntry "alice"
news.AddACLEntry "O'Brien"
news.ApplyACLToChild
Set acl = CreateObject("Corvela.ACL")
Set rs = acl.ListAllEntry("CHANNEL_" & sports.ID)
Do While Not rs.EOF
  WScript.Echo rs("resource") & " " & rs("userid")
  rs.MoveNext
Loop
WScript.Echo "O'Brien on News: " & acl.HasEntry("CHANNEL_" & news.ID, "O'Brien")

On Error Resume Next
tree.GetChannelID "News"
WScript.Echo Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
tree.DelChannel "/News"
WScript.Echo "delete: " & Err.Number
On Error Goto 0
WScript.Echo tree.Structure
WScript.Echo "channels left: " & tree.RootChannels.Count
