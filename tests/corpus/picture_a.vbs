' LoadPicture reads the type and HIMETRIC size of pictures this script writes.
Set fso = CreateObject("Scripting.FileSystemObject")

Sub WriteFile(name, text)
  Dim f
  Set f = fso.CreateTextFile(name, True)
  f.Write text
  f.Close
End Sub

' Little-endian numbers; every byte used here stays below &H80, so the
' ANSI text file holds exactly these bytes.
Function Le16(n)
  Le16 = Chr(n Mod 256) & Chr(n \ 256)
End Function

Function Le32(n)
  Le32 = Le16(n Mod 65536) & Le16(n \ 65536)
End Function

Sub Show(name)
  Dim p
  Set p = LoadPicture(name)
  WScript.Echo name, TypeName(p), p.Type, p.Width, p.Height, Round(p.Width / 26.4583), Round(p.Height / 26.4583)
End Sub

WriteFile "a.gif", "GIF89a" & Le16(100) & Le16(50) & String(3, Chr(0))
WriteFile "a.bmp", "BM" & Le32(0) & Le32(0) & Le32(54) & Le32(40) & Le32(20) & Le32(10) & Le16(1) & Le16(24) & String(24, Chr(0))
WriteFile "a.ico", Le16(0) & Le16(1) & Le16(1) & Chr(32) & Chr(32) & Chr(0) & Chr(0) & Le16(1) & Le16(32) & Le32(8) & Le32(22) & String(8, "U")
WriteFile "a.emf", Le32(1) & Le32(88) & String(16, Chr(0)) & Le32(0) & Le32(0) & Le32(2117) & Le32(1058) & " EMF" & String(44, Chr(0))
WriteFile "note.txt", "not a picture"

Show "a.gif"
Show "a.bmp"
Show "a.ico"
Show "a.emf"

Set p = LoadPicture(fso.GetAbsolutePathName("a.gif"))
WScript.Echo TypeName(p.Type), TypeName(p.Width), TypeName(p.Handle), p.hPal
WScript.Echo CLng(p) = p.Handle, p.Handle <> 0, p.Handle <> LoadPicture("a.gif").Handle

On Error Resume Next
For Each arg In Array("missing.gif", "note.txt", "", Null)
  Err.Clear
  Set p = LoadPicture(arg)
  WScript.Echo "[" & arg & "]", Err.Number, Err.Description
Next
Err.Clear
Set p = LoadPicture("a.gif")
p.Render 0, 0, 0, 0, 0, 0, 0, 0, 0, 0
WScript.Echo "Render", Err.Number, Err.Description
