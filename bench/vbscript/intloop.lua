-- Integer loop: 30 million additions and remainders.
local total = 0
for i = 1, 30000000 do
  total = total + i % 7
end
print(total)
