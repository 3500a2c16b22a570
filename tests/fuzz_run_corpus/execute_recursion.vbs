Sub s(n) : Execute "s " & (n + 1) : End Sub : s 1
