-- String building: one million appends (Lua's idiom is a buffer table).
local parts = {}
for i = 1, 1000000 do
  parts[#parts + 1] = "x" .. (i % 10)
end
print(#table.concat(parts))
