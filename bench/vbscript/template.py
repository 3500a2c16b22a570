# Template-like loop: 20,000 records formatted into HTML table rows, five times.
def render():
    n = 20000
    ids = [i + 1 for i in range(n)]
    titles = ["Article <" + str(i) + "> & more" for i in range(n)]
    prices = [((i * 37) % 1000) / 8 for i in range(n)]
    total = 0
    for _ in range(5):
        html = ""
        for i in range(n):
            t = titles[i].replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            html += ("<tr><td>" + str(ids[i]) + "</td><td>" + t + "</td><td>" +
                     "{:,.2f}".format(prices[i]) + "</td></tr>\r\n")
        total += len(html)
    return total
print(render())
