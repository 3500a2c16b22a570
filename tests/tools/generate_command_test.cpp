// `corvela generate` and `corvela publish` as users run them: the same files
// for one worker and for several, the summary, a failing template (old page
// kept, listed, exit 1), an unknown channel, and publishing a channel (help
// and usage errors: cli_test.cpp).
#include <filesystem>
#include <fstream>
#include <map>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

namespace fs = std::filesystem;

class GenerateCli : public IsolatedTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(run("init").status, 0);
    ASSERT_EQ(run("channel add /News --template /t/article.htm --name-method '/news/{@uid}.htm'").status, 0);
    ASSERT_EQ(run("sql \"UPDATE cms_channel SET indextemplate='/t/index.htm', indexpath='/news/index.htm', "
                  "indexpagesize=3\"")
                  .status,
              0);
    writeSite("/t/article.htm", "<!--%Response.Output Document(\"title\") & \":\" & Document(\"content\")%-->");
    writeSite("/t/index.htm",
              "<!--%Dim l : For Each l In Channel.TOC.AllLinks : Response.Output l.url & \" \" : Next%-->");
    std::ofstream(root_.path() / "page.txt") << "text";
    for (int i = 1; i <= 8; ++i)
      ASSERT_EQ(run("article add --channel /News --submit --title t" + std::to_string(i) + " --page '" +
                    (root_.path() / "page.txt").string() + "'")
                    .status,
                0);
  }
  CommandOutcome run(const std::string& arguments) { return runCorvela(root_.path(), arguments); }
  fs::path site() const { return dataDir() / "site"; }
  void writeSite(const std::string& uri, const std::string& text) {
    fs::create_directories((site() / uri.substr(1)).parent_path());
    std::ofstream(site() / uri.substr(1), std::ios::binary) << text;
  }
  // Every generated file under /news with its text.
  std::map<std::string, std::string> newsFiles() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(site() / "news"))
      if (entry.is_regular_file()) files[entry.path().filename().string()] = readFileText(entry.path());
    return files;
  }
};

TEST_F(GenerateCli, SeveralWorkersWriteTheSameFilesAsOne) {
  CommandOutcome single = run("generate --channel /News --jobs 1");
  EXPECT_EQ(single.status, 0) << single.err;
  EXPECT_EQ(single.out, "9 created, 0 overwritten, 0 failed\n") << "8 articles and the index of an empty channel";
  auto first = newsFiles();
  ASSERT_EQ(run("publish --channel /News").status, 0);
  fs::remove_all(site() / "news");
  CommandOutcome parallel = run("generate --channel /News --jobs 3");
  EXPECT_EQ(parallel.status, 0) << parallel.err;
  EXPECT_EQ(parallel.out, "11 created, 0 overwritten, 0 failed\n") << "now three index pages";
  auto second = newsFiles();
  for (const auto& [name, text] : first)
    if (name.rfind("index", 0) != 0) {
      EXPECT_EQ(second[name], text) << name;
    }
  EXPECT_EQ(second.size(), 11u);
  EXPECT_NE(parallel.err.find("9 of 9 done"), std::string::npos) << "progress lines when not on a terminal";
}

TEST_F(GenerateCli, FailingTemplateKeepsTheOldPagesAndFails) {
  ASSERT_EQ(run("generate --all").status, 0);
  std::string before = readFileText(site() / "news" / "1.htm");
  writeSite("/t/article.htm", "<!--%Response.Output 1 / 0%-->");
  CommandOutcome broken = run("generate --all --jobs 2");
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.out, "0 created, 1 overwritten, 8 failed\n");
  EXPECT_NE(broken.err.find("Error:/news/1.htm Division by zero"), std::string::npos) << broken.err;
  EXPECT_EQ(readFileText(site() / "news" / "1.htm"), before);
  EXPECT_EQ(run("generate --channel /Nowhere").status, 1);
}

TEST_F(GenerateCli, PublishListsTheIndexPages) {
  ASSERT_EQ(run("generate --channel /News").status, 0);
  CommandOutcome published = run("publish --channel /News");
  EXPECT_EQ(published.status, 0) << published.err;
  EXPECT_EQ(published.out,
            "ColumnName:News\nOverWrite:/news/index.htm\nCreateFile:/news/index_2.htm\nCreateFile:/news/index_3.htm\n");
  EXPECT_EQ(readFileText(site() / "news" / "index_3.htm"), "/news/2.htm /news/1.htm ");
}

}  // namespace
}  // namespace corvela::testing
