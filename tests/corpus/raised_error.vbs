' An error raised by the script keeps its own source and description.
WScript.Echo "start"
Err.Raise 1051, "Corvela.Channel", "There is some error in your input:"
