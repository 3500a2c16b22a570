' FileSystemObject drives: on Linux a drive is a mount point with no letter.
Set fso = CreateObject("Scripting.FileSystemObject")
WScript.Echo fso.DriveExists("/"), fso.DriveExists("\"), fso.DriveExists("/proc"), fso.DriveExists("C:")

Set d = fso.GetDrive("/")
WScript.Echo TypeName(d), "[" & d.DriveLetter & "]", d.Path, d, d.IsReady, d.RootFolder.Path, d.RootFolder.IsRootFolder
WScript.Echo d.TotalSize >= d.FreeSpace, d.FreeSpace >= d.AvailableSpace, d.AvailableSpace >= 0
WScript.Echo Len(d.FileSystem) > 0, TypeName(d.SerialNumber), TypeName(d.DriveType), d.ShareName = ""

Set drives = fso.Drives
n = 0
For Each x In drives
  n = n + 1
  If x.Path = "/" Then WScript.Echo "root listed", TypeName(x)
Next
WScript.Echo TypeName(drives), n = drives.Count, drives("/").Path, drives.Item("\").Path

' The drive name of a path is the mount point of the drive holding it.
WScript.Echo fso.GetDriveName("relative\file.txt") = "", Left(fso.GetDriveName(fso.GetAbsolutePathName(".")), 1)
Set f = fso.CreateTextFile("x.txt", True)
f.Close
here = fso.GetDriveName(fso.GetAbsolutePathName("x.txt"))
WScript.Echo fso.GetFile("x.txt").Drive.Path = here, fso.GetFolder(".").Drive = here, fso.GetDrive(here).Path = here

On Error Resume Next
Set d = fso.GetDrive("C:")
WScript.Echo Err.Number, Err.Description
Err.Clear
Set d = fso.GetDrive("/no/such/mount")
WScript.Echo Err.Number, Err.Description
Err.Clear
Set d = drives("/no/such/mount")
WScript.Echo Err.Number, Err.Description
