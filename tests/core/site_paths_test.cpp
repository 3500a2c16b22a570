// UriToPath and PathToUri against the SiteDirectory setting.
#include <gtest/gtest.h>

#include "core/settings_key.h"
#include "core/site_paths.h"
#include "core_fixture.h"

namespace corvela::core {
namespace {

using testing::CoreTest;

class SitePathsTest : public CoreTest {
 protected:
  void expectError(const std::function<void()>& call, const char* source, const char* description) {
    EXPECT_EQ(testing::raised(call), (testing::Raised{12289, source, description})) << source;
  }
};

TEST_F(SitePathsTest, UriToPathJoinsBelowTheSiteDirectory) {
  setSetting(kSiteDirectoryValue, "/srv/site/");
  struct Case { std::string uri, expected; } cases[] = {
      {"news/a.html", "/srv/site/news/a.html"}, {"/news/a.html", "/srv/site/news/a.html"}, {"", "/srv/site/"},
      {"   ", "/srv/site/"}, {"\\news\\A.html", "/srv/site/news/A.html"}, {"/a/../b", "/srv/site/a/../b"},
  };
  for (const auto& c : cases) EXPECT_EQ(UriToPath(c.uri), c.expected) << c.uri;
  setSetting(kSiteDirectoryValue, "/srv/site");
  EXPECT_EQ(UriToPath("x.html"), "/srv/site/x.html");
}

TEST_F(SitePathsTest, MissingOrEmptySiteDirectoryIsRegReadErr) {
  for (bool remove : {false, true}) {
    remove ? removeSetting(kSiteDirectoryValue) : setSetting(kSiteDirectoryValue, "");
    expectError([] { UriToPath("/a"); }, "URIMap", "RegReadErr");
    expectError([] { PathToUri("/srv/site/a"); }, "GetUri", "RegReadErr");
  }
}

TEST_F(SitePathsTest, PathToUriKeepsTheCaseOfLinuxNamesAndRefusesPathsOutsideTheSite) {
  setSetting(kSiteDirectoryValue, "/srv/Site");
  EXPECT_EQ(PathToUri("/srv/Site/News/A.html"), "/News/A.html");
  EXPECT_EQ(PathToUri("  /srv/Site/x.html "), "/x.html");
  EXPECT_EQ(PathToUri("\\srv\\Site\\d\\e.htm"), "/d/e.htm");
  EXPECT_EQ(PathToUri("/srv/Site"), "");
  setSetting(kSiteDirectoryValue, "/srv/site");
  for (const char* outside : {"/other/x.html", "/srv/site2/x.html", "/srv/sit", "/SRV/SITE/x.html"})
    expectError([&] { PathToUri(outside); }, "GetUri", "File Not is a valid resource in Site");
  // UriToPath and PathToUri round trip.
  for (const char* uri : {"/a.html", "/News/Index_2.html", "/深圳/页.htm"})
    EXPECT_EQ(PathToUri(UriToPath(uri)), uri);
}

}  // namespace
}  // namespace corvela::core
