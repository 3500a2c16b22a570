' exit: 0
' GetStandardStream: text streams over the script's stdin, stdout and stderr.
Set fso = CreateObject("Scripting.FileSystemObject")
Set out = fso.GetStandardStream(1)
WScript.Echo "echo first"
out.WriteLine "stream second"
out.Write "no line end, "
WScript.Echo "then echo"
out.WriteBlankLines 1
WScript.Echo out.Line, out.Column, TypeName(out)
Set errStream = fso.GetStandardStream(2, False)
errStream.WriteLine "to stderr"
Set stdIn = fso.GetStandardStream(0)
WScript.Echo stdIn.AtEndOfStream

On Error Resume Next
line = stdIn.ReadLine
WScript.Echo Err.Number, Err.Description
Err.Clear
line = out.ReadLine
WScript.Echo Err.Number, Err.Description
Err.Clear
stdIn.Write "x"
WScript.Echo Err.Number, Err.Description
Err.Clear
Set s = fso.GetStandardStream(3)
WScript.Echo Err.Number, Err.Description
Err.Clear
out.Close
out.Write "x"
WScript.Echo Err.Number, Err.Description, "(stdout itself stays open)"
