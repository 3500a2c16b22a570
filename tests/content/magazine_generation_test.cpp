// Magazine pages: publishing a new issue rewrites the old issue's page but
// not the index, unpublished issues stay out, a failing template is raised
// once the other pages are written.
#include "content/magazine_generation.h"

#include <gtest/gtest.h>

#include "generation_fixture.h"
#include "structure/issue.h"
#include "structure/magazine.h"

namespace corvela::content {
namespace {

// The issue page: its title, the listed issues and the column's articles.
constexpr const char* kIssueTemplate =
    "<!--%Dim i, s : For Each i In Magazine.Issues : s = s & i.IssueYear & \"/\" & i.IssueNumber & \",\" : Next\r\n"
    "Dim c, l : For Each c In Magazine.Columns : For Each l In c.TOC.AllLinks : s = s & \"[\" & l.Title & \"]\" : Next : Next\r\n"
    "Response.Output Document(\"title\") & \"|\" & s%-->";

class MagazineGenerationTest : public GenerationTest {
 protected:
  void SetUp() override {
    writeSite("/t/issue.htm", kIssueTemplate);
    writeSite("/t/cover.htm", "<!--%Response.Output \"cover \" & Magazine.CurrentYear & \"/\" & Magazine.CurrentIssue%-->");
    writeSite("/t/article.htm", "<!--%Response.Output Issue.IndexPage & \" \" & Document(\"content\")%-->");
    writeSite("/t/list.htm", "<!--%Response.Output \"list\"%-->");
    addMagazineWithColumn("/t/list.htm");
  }
  void publish(int32_t issueId) {
    structure::Issue issue;
    issue.Load(issueId);
    issuePublishMember(issue);
  }
};

TEST_F(MagazineGenerationTest, PublishingANewIssueRewritesTheOldIssuePageButNotTheIndex) {
  int32_t fifth = addIssue("2003", "5", 1, "five", kStatusSubmitted);
  publish(fifth);
  EXPECT_EQ(readSite("/mag/index.htm"), "Weekly 2003年第5期|2003/5,[five]");
  EXPECT_EQ(readSite("/mag/cover.htm"), "cover 2003/5");
  int32_t sixth = addIssue("2003", "6", 1, "six", kStatusSubmitted);
  addIssue("2003", "7", 1, "seven", kStatusSubmitted);  // never published: not listed, no page
  writeSite("/mag/2003_5.htm", "stale");
  publish(sixth);
  EXPECT_EQ(readSite("/mag/2003_6.htm"), "Weekly 2003年第6期|2003/6,2003/5,[six]");
  EXPECT_EQ(readSite("/mag/index.htm"), readSite("/mag/2003_6.htm"));
  EXPECT_EQ(readSite("/mag/2003_5.htm"), "Weekly 2003年第5期|2003/6,2003/5,[five]");
  EXPECT_FALSE(siteHas("/mag/2003_7.htm"));
  EXPECT_EQ(scalar("SELECT CurrentIssue || '/' || CurrentIssueId FROM Magazine"), "6/" + std::to_string(sixth));
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_pages WHERE filename <> ''"), "2")
      << "the articles of the published issues got their pages, the unpublished issue's did not";
  EXPECT_EQ(readSite("/mag/essays/list.htm"), "list");
}

TEST_F(MagazineGenerationTest, HistoryArticlesAreNotRegeneratedAndNewOnesAreNotListed) {
  int32_t issue = addIssue("2003", "5", 1, "old", kStatusHistory);
  Content fresh;
  fresh.setColumnid(column_);
  fresh.setissueId(issue);
  fresh.setTitle("fresh");
  fresh.AddPage(0, "x");
  fresh.Save();
  publish(issue);
  EXPECT_EQ(scalar("SELECT group_concat(c.title) FROM cms_pages p JOIN cms_content c ON c.id=p.contentid "
                   "WHERE p.filename <> ''"),
            "fresh");
  EXPECT_EQ(readSite("/mag/2003_5.htm"), "Weekly 2003年第5期|2003/5,") << "status 1 is generated but not listed";
}

TEST_F(MagazineGenerationTest, FailingCoverIsRaisedAfterTheOtherPages) {
  int32_t issue = addIssue("2003", "5", 1, "five", kStatusSubmitted);
  publish(issue);
  writeSite("/t/cover.htm", "<!--%Response.Output 1 / 0%-->");
  structure::Magazine magazine;
  magazine.Load(magazine_);
  Raised failure = raised([&] { magazineGenerateMember(magazine); });
  EXPECT_EQ(failure.number, 555);
  EXPECT_EQ(failure.source, "Magazine.Generate");
  EXPECT_EQ(failure.description.rfind("Error:/mag/cover.htm Division by zero", 0), 0u) << failure.description;
  EXPECT_EQ(readSite("/mag/cover.htm"), "cover 2003/5");
  EXPECT_EQ(readSite("/mag/essays/list.htm"), "list");
}

}  // namespace
}  // namespace corvela::content
