' known-gap: a hexadecimal literal with the Long suffix & is Integer when its value fits 16 bits
' The kind of &H literals with the trailing &: the value decides, the suffix only widens the range.
WScript.Echo TypeName(&h10&), TypeName(&hffFFffFF&), &hffFFffFF&, TypeName(&hffFFffFE&), TypeName(&hffF&), TypeName(&hffFF&), &hffFF&, TypeName(&h10000&)
