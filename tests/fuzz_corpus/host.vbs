' The WScript object: arguments, streams and Quit.
' args: one "two words" /name:value
' exit: 3
WScript.Echo WScript.Arguments.Count, WScript.Arguments(0), WScript.Arguments(1)
For Each arg In WScript.Arguments
  WScript.StdOut.Write "[" & arg & "]"
Next
WScript.StdOut.WriteLine
WScript.Echo WScript.Arguments.Named("name"), WScript.Arguments.Unnamed.Count
WScript.Echo WScript.ScriptName
WScript.Echo
WScript.Echo "a", 1, True, Null, Empty, 2.5
WScript.Quit 3
WScript.Echo "not reached"
