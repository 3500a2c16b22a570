' Schema, ACL, page, attachment and collection records built and read back
' through CreateObject, as administration pages use them.
Dim schema, p, acl, rs, page, attach, agent, element, elements, path, textHtml, field

Set schema = CreateObject("Corvela.Schema")
schema.Load 12
schema.AddProperty "price", "", "double", "text", ""
schema.AddProperty "color", "颜色", "string", "select", "red,green"
For Each p In schema
  WScript.Echo p.PropertyID & " " & p.PropertyName & " " & p.Alias & " " & p.PropertyType & " " & p.InputType & " [" & p.Options & "]"
Next
schema.ExtSchema.Ext1 = "it's 100%"
schema.ExtSchema.Save
schema.Load 12
WScript.Echo "Ext1: " & schema.ExtSchema.Ext1
On Error Resume Next
schema.GetPropertyByName "title"
WScript.Echo Err.Number & " " & Err.Source & " " & Err.Description
On Error GoTo 0

Set acl = CreateObject("Corvela.ACL")
acl.AddEntry "CHANNEL_12", "o'neil"
acl.AddEntry "CHANNEL_12", "o'neil"
acl.AddEntry "CHANNEL_12", "管理员"
WScript.Echo "HasEntry: " & acl.HasEntry("CHANNEL_12", "O'NEIL")
Set rs = acl.ListAllEntry("CHANNEL_12")
Do Until rs.EOF
  WScript.Echo rs("id") & " " & rs("resource") & " " & rs("userid")
  rs.MoveNext
Loop

Set page = CreateObject("Corvela.Page")
page.contentid = 1
page.FileName = "/news/1.html"
page.Content = String(70000, "x") & "end"
page.Save
Set page = CreateObject("Corvela.Page")
page.Load 1
WScript.Echo "page " & page.PageID & ": " & Len(page.Content) & " " & Right(page.Content, 3)

Set attach = CreateObject("Corvela.Attach")
On Error Resume Next
attach.Save
WScript.Echo Err.Number & " " & Err.Description
On Error GoTo 0

Set agent = CreateObject("Corvela.CCAgent")
agent.SourceURL = "http://example.com/?q=a'b"
agent.SetInfo
path = "/html/body"
textHtml = 0
field = "Body"
agent.ADDElement path, textHtml, field
For Each element In agent.Elements
  WScript.Echo "element " & element.ID & " of agent " & element.AgentID & ": " & element.DOMPath & " " & element.TextHTML & " " & element.FieldName
Next
Set elements = agent.Elements
WScript.Echo elements.Count & " " & elements(1).FieldName
