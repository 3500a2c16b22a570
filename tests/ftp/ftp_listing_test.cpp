#include "platform/ftp/ftp_listing.h"

#include <gtest/gtest.h>

namespace corvela::ftp {
namespace {

struct LineCase {
  const char* line;
  bool machine;
  bool hasEntry;
  const char* name;
  bool isDirectory;
};

TEST(FtpListing, LinesOfEachFormatGiveNameAndKind) {
  const LineCase cases[] = {
      {"type=file;size=12;modify=20030105090307; a.html", true, true, "a.html", false},
      {"type=dir;modify=20030105090307; img", true, true, "img", true},
      {"Type=Dir;perm=el; with blank name", true, true, "with blank name", true},
      {"type=cdir; .", true, false, "", false},
      {"type=pdir; ..", true, false, "", false},
      {"noblank", true, false, "", false},
      {"-rw-r--r--   1 owner group     4096 Jan  5 09:03 a.html", false, true, "a.html", false},
      {"drwxr-xr-x   2 owner group     4096 Jan  5  2003 img", false, true, "img", true},
      {"-rw-r--r--   1 owner group     4096 Jan  5 09:03 it's a file.html", false, true, "it's a file.html", false},
      {"lrwxrwxrwx   1 owner group        5 Jan  5 09:03 link -> a.html", false, true, "link", false},
      {"drwxr-xr-x   2 owner group     4096 Jan  5 09:03 ..", false, false, "", false},
      {"total 12", false, false, "", false},
      {"01-05-03  09:03AM       <DIR>          news", false, true, "news", true},
      {"01-05-03  09:03AM                 1024 index.html", false, true, "index.html", false},
      {"", false, false, "", false},
  };
  for (const LineCase& c : cases) {
    auto entry = c.machine ? parseMlsdLine(c.line) : parseListLine(c.line);
    ASSERT_EQ(entry.has_value(), c.hasEntry) << c.line;
    if (!entry) continue;
    EXPECT_EQ(entry->name, c.name) << c.line;
    EXPECT_EQ(entry->isDirectory, c.isDirectory) << c.line;
  }
}

}  // namespace
}  // namespace corvela::ftp
