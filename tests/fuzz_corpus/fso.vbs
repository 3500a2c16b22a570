' Scripting.FileSystemObject and text streams.
Set fso = CreateObject("Scripting.FileSystemObject")
Set f = fso.CreateTextFile("test.txt", True)
f.WriteLine "line one"
f.Write "line two"
f.Close
WScript.Echo fso.FileExists("test.txt"), fso.FileExists("nope.txt")
Set f = fso.OpenTextFile("test.txt", 8)
f.WriteLine
f.Write "three"
f.Close
Set f = fso.OpenTextFile("test.txt", 1)
Do Until f.AtEndOfStream
  WScript.Echo "[" & f.ReadLine & "]"
Loop
f.Close
fso.CreateFolder "sub"
WScript.Echo fso.FolderExists("sub"), fso.FolderExists("nosub")
fso.CopyFile "test.txt", "sub/copy.txt"
WScript.Echo fso.GetFile("sub/copy.txt").Name, fso.GetFolder("sub").Files.Count
fso.DeleteFile "sub/copy.txt"
WScript.Echo fso.FileExists("sub/copy.txt")
WScript.Echo fso.GetExtensionName("a/b.txt"), fso.GetBaseName("a/b.txt"), fso.GetFileName("a/b.txt")
On Error Resume Next
Set missing = fso.OpenTextFile("nope.txt", 1)
WScript.Echo Err.Number, Err.Description
Err.Clear
fso.CreateFolder "sub"
WScript.Echo Err.Number, Err.Description
