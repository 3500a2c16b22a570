// JoinPath: one separator between the parts, whatever either side holds.
#include "deployservice/service_paths.h"

#include <gtest/gtest.h>

namespace corvela::deployservice {
namespace {

TEST(ServicePaths, JoinPathPutsExactlyOneSeparatorBetweenParts) {
  struct Case {
    const char* first;
    const char* second;
    const char* joined;
  };
  const Case cases[] = {
      {"/backup/site", "/", "/backup/site/"},
      {"/backup/site", "/news/a.html", "/backup/site/news/a.html"},
      {"/backup/site/", "/news/a.html", "/backup/site/news/a.html"},
      {"/backup/site/", "news", "/backup/site/news"},
      {"\\backup\\site\\", "\\news\\a.html", "/backup/site/news/a.html"},
      {"/www", "a.html", "/www/a.html"},
      {"", "/a.html", "/a.html"},
      {"/www", "", "/www"},
  };
  for (const Case& c : cases) EXPECT_EQ(JoinPath(c.first, c.second), c.joined) << c.first << " + " << c.second;
}

}  // namespace
}  // namespace corvela::deployservice
