' Receives a multipart/form-data POST as a CGI program: ZerinUpload.upload
' reads CONTENT_LENGTH bytes of standard input, the form's text fields are
' listed back, and the pictures are saved into the folder given as the first
' argument, renamed where a file of that name is already there.
Option Explicit

Const kAllowedTypes = "gif;jpg;jpeg;png"

Function HtmlText(value)
  HtmlText = Replace(Replace(Replace(Replace(value, "&", "&amp;"), "<", "&lt;"), ">", "&gt;"), """", "&quot;")
End Function

Dim up, field, file, folder, accepted, saved
Set up = CreateObject("ZerinUpload.upload")
folder = WScript.Arguments(0)

WScript.Echo "Content-Type: text/html; charset=utf-8"
WScript.Echo ""
WScript.Echo "<html><body><h1>Upload</h1><p>" & up.TotalBytes & " bytes received.</p><ul>"
For Each field In up.Form
  WScript.Echo "<li>" & HtmlText(field.controlName) & " = " & HtmlText(field.value) & "</li>"
Next
WScript.Echo "</ul>"

' Only pictures are kept: every other file leaves the collection first.
For Each file In up.Files
  If up.CheckFileType(file.FileName, kAllowedTypes) Then
    accepted = accepted + 1
  Else
    WScript.Echo "<p>Refused " & HtmlText(file.FileName) & ": not a picture.</p>"
    up.Files.Remove file.controlName
  End If
Next
If accepted > 0 Then
  saved = up.Save(folder)
  WScript.Echo "<p>Saved: " & HtmlText(saved) & "</p>"
End If
WScript.Echo "</body></html>"
