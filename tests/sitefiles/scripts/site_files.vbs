' Site files through the script-visible classes: folders and files are
' created, written, copied, locked, listed and deleted by URI.
Option Explicit

Dim site, folder, file, copy, other, rs, item, names
Set site = CreateObject("Corvela.SiteFolder")

Set folder = site.CreateFolder("/", "news")
WScript.Echo "folder: " & folder.Name
Set file = site.CreateFile("/news", "it's 100% new.htm")
WScript.Echo "created: " & file.Name & " titled " & file.Title
file.Content = "<p>" & ChrW(&H4E2D) & "</p>"
WScript.Echo "content: " & Replace(site.GetFile(file.Name).Content, vbCrLf, "|")
WScript.Echo "type: " & file.ContentType & ", size " & file.Size

On Error Resume Next
site.CreateFile "/news/", "it's 100% new.htm"
WScript.Echo "again: " & Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
site.CreateFile "/news/", "a|b.htm"
WScript.Echo "forbidden: " & Err.Number & " " & Err.Description
Err.Clear
site.GetFile "/../outside.htm"
WScript.Echo "outside: " & Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
On Error GoTo 0

site.CopyFile file.Name, "/news/copy.htm"
Set copy = site.GetFile("/news/copy.htm")
WScript.Echo "copy: " & copy.Title & " " & copy.Size & " bytes"

WScript.Echo "lock by ann: " & file.LockFile("ann")
Set other = site.GetFile(file.Name)
WScript.Echo "bob sees holder " & other.Locked_By & ", status " & other.LockStatus("bob")
WScript.Echo "lock by bob: " & other.LockFile("bob")
On Error Resume Next
other.Delete
WScript.Echo "delete locked: " & Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
On Error GoTo 0
WScript.Echo "unlock by ann: " & file.UnlockFile("ann")

Set rs = folder.ListFile()
Do While Not rs.EOF
  WScript.Echo "listed: " & rs("Name") & " | " & rs("Title") & " | " & rs("FileType") & " | " & rs("FileSize")
  rs.MoveNext
Loop

names = ""
For Each item In folder.Files
  names = names & item.Name & ";"
Next
WScript.Echo "files: " & names

WScript.Echo "renamed: " & folder.Rename("archive") & " " & folder.Name
site.DeleteFile "/archive/copy.htm"
WScript.Echo "left: " & folder.Files.Count & " file, exists " & site.FileExists("/archive/it's 100% new.htm")
