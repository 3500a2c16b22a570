' Err.Raise with help arguments, Clear of every field, numbers past the error range, Err.Number as the number to raise.
On Error Resume Next
Err.Raise 5, "Src", "Desc", "help.chm", 42
WScript.Echo Err.Number, Err.Source, Err.Description, Err.HelpFile, Err.HelpContext
Err.Clear
WScript.Echo Err.Number, "[" & Err.Source & "]", "[" & Err.Description & "]", "[" & Err.HelpFile & "]", Err.HelpContext
Err.Raise 70000
WScript.Echo Err.Number, Err.Description
Err.Clear
Err.Raise 13
Err.Raise Err.Number
WScript.Echo Err.Number, Err.Description
Err.Clear
