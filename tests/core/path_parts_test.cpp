// Path splitting and paged file names: pure text rules.
#include <gtest/gtest.h>

#include "core/path_parts.h"

namespace corvela::core {
namespace {

struct TextCase {
  std::string input;
  std::string expected;
};

TEST(PathParts, ParentFolderOf) {
  TextCase cases[] = {
      {"/srv/site/news/a.html", "/srv/site/news"}, {"/srv/site/news/", "/srv/site"},
      {"  /srv/site/news  ", "/srv/site"}, {"\\srv\\site\\a.html", "/srv/site"}, {"a.html", "/"}, {"/a", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ParentFolderOf(c.input), c.expected) << c.input;
}

TEST(PathParts, ParentPathOfKeepsTheTrailingSeparatorRule) {
  TextCase cases[] = {
      {"/srv/site/news/a.html", "/srv/site/news"}, {"/srv/site/news/", "/srv/site/news"}, {"a.html", "/"},
      {"x\\y\\z.txt", "x/y"},
  };
  for (const auto& c : cases) EXPECT_EQ(ParentPathOf(c.input), c.expected) << c.input;
}

TEST(PathParts, FileAndFolderNames) {
  EXPECT_EQ(FileNameOf("/srv/site/a.html"), "a.html");
  EXPECT_EQ(FileNameOf("a.html"), "a.html");
  EXPECT_EQ(FileNameOf("/srv/site/"), "");
  EXPECT_EQ(FileNameOf(""), "");
  EXPECT_EQ(FileNameOf("c:\\x\\y.txt"), "y.txt");
  EXPECT_EQ(FolderNameOf("/srv/site/news/"), "news");
  EXPECT_EQ(FolderNameOf("/srv/site/news"), "news");
}

TEST(PathParts, FileExtensionOf) {
  TextCase cases[] = {
      {"/a/index.html", "html"}, {"archive.tar.gz", "gz"}, {"README", "UNKNOWN"}, {"name.", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FileExtensionOf(c.input), c.expected) << c.input;
}

TEST(PathParts, PagedFileName) {
  struct Case { std::string name; int page; std::string expected; } cases[] = {
      {"list.htm", 1, "list.htm"}, {"list.htm", 2, "list_2.htm"}, {"index.html", 3, "index_3.html"},
      {"index", 3, "index_3"}, {"index", 1, "index"}, {"a.b.html", 12, "a.b_12.html"},
      {"v1.0/index", 2, "v1.0/index_2"}, {"list.htm", 0, "list.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(PagedFileName(c.name, c.page), c.expected) << c.name << " page " << c.page;
}

}  // namespace
}  // namespace corvela::core
