-- Template-like loop: 20,000 records formatted into HTML table rows, five times.
local N = 20000
local ids, titles, prices = {}, {}, {}
for i = 0, N - 1 do
  ids[i] = i + 1
  titles[i] = "Article <" .. i .. "> & more"
  prices[i] = ((i * 37) % 1000) / 8
end
local total = 0
for pass = 1, 5 do
  local html = {}
  for i = 0, N - 1 do
    local t = titles[i]:gsub("&", "&amp;"):gsub("<", "&lt;"):gsub(">", "&gt;")
    html[#html + 1] = "<tr><td>" .. ids[i] .. "</td><td>" .. t .. "</td><td>" ..
                      string.format("%.2f", prices[i]) .. "</td></tr>\r\n"
  end
  total = total + #table.concat(html)
end
print(total)
