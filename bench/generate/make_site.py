"""Writes the benchmark's articles twice: as SQL for our database and as
Markdown files for Hugo, the same titles, authors and ~2 KB bodies."""
import os
import sys

count, sql_path, hugo_dir = int(sys.argv[1]), sys.argv[2], sys.argv[3]
channels = 10
words = "lorem ipsum dolor sit amet consectetur adipiscing elit sed do eiusmod tempor".split()


def body(n):
    paragraphs, size, i = [], 0, n
    while size < 2000:
        sentence = " ".join(words[(i + k) % len(words)] for k in range(12)).capitalize() + "."
        paragraphs.append(sentence)
        size += len(sentence) + 1
        i += 1
    return " ".join(paragraphs)


with open(sql_path, "w") as sql:
    sql.write("BEGIN;\n")
    for n in range(1, count + 1):
        channel = (n - 1) % channels + 1
        article_id = 1000 + n
        title = f"Article {n}"
        text = body(n)
        sql.write(
            "INSERT INTO cms_content (id,columnid,title,author,submitdate,status,relativearticle,USN,PSN,"
            "putintopx,isimagenews,issueid,publishdate,clicks,keyword) VALUES "
            f"({article_id},{channel},'{title}','Bench','2026-01-01 10:00:00',5,"
            f"'<?xml version=\"1.0\"?><relativearticle/>',{n},0,'Y','Y',0,'2026-01-01 10:00:00',0,' ');\n")
        sql.write(f"INSERT INTO cms_pages (pageid,pagenum,filename,contentid,content) VALUES "
                  f"({article_id},1,'',{article_id},'<p>{text}</p>');\n")
        folder = os.path.join(hugo_dir, "content", f"channel{channel}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, f"{article_id}.md"), "w") as md:
            md.write(f'---\ntitle: "{title}"\nauthor: "Bench"\ndate: 2026-01-01T10:00:00\n---\n{text}\n')
    sql.write("INSERT OR REPLACE INTO IDManager (tablename,id) VALUES ('cms_content',%d);\n" % (1001 + count))
    sql.write("COMMIT;\n")
