' For Each needs In.
WScript.Echo "never"
For Each x Of arr
Next
