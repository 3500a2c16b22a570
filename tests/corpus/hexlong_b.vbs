' The kind of &H literals with the trailing &: the value decides, the suffix only widens the range.
WScript.Echo TypeName(&h10&), TypeName(&hffFFffFF&), &hffFFffFF&, TypeName(&hffFFffFE&), TypeName(&hffF&), TypeName(&hffFF&), &hffFF&, TypeName(&h10000&)
