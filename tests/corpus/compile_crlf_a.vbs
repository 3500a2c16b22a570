' A compile error in a file with Windows line ends and a tab.
WScript.Echo "never"
	x = (1 + 2 * 3 4
