// Names with quotes, percent signs, spaces and Chinese characters pass
// through every operation, in the file system and in the attribute rows.
#include <gtest/gtest.h>

#include "platform/db/recordset.h"
#include "sitefiles/file.h"
#include "sitefiles/folder.h"
#include "sitefiles/site_folder.h"
#include "sitefiles_fixture.h"

namespace corvela::sitefiles {
namespace {

class AwkwardNamesTest : public testing::SiteFilesTest {};

TEST_F(AwkwardNamesTest, EveryOperationKeepsTheName) {
  const std::string folderName = "it's 100% \xE6\x96\xB0\xE9\x97\xBB";  // 新闻
  const std::string fileName = "O'Neil 50%off %41 \xE4\xB8\xAD.htm";   // 中
  SiteFolder site;
  auto folder = site.CreateFolder("/", folderName);
  EXPECT_EQ(folder->Name(), "/" + folderName + "/");
  auto file = folder->CreateFile(fileName);
  std::string uri = "/" + folderName + "/" + fileName;
  EXPECT_EQ(file->Name(), uri);
  file->setContent("body \xE4\xB8\xAD");
  EXPECT_EQ(got(uri), "body \xE4\xB8\xAD");
  EXPECT_EQ(site.GetFile(uri)->Content(), "body \xE4\xB8\xAD\r\n");
  EXPECT_TRUE(site.GetFile(uri)->LockFile("o'brien"));
  EXPECT_EQ(site.GetFile(uri)->Locked_By(), "o'brien");
  EXPECT_TRUE(site.GetFile(uri)->UnlockFile("o'brien"));

  auto rs = folder->ListFile();
  EXPECT_EQ(rs->value("Name").toString(), fileName);
  EXPECT_EQ(rs->value("Title").toString(), fileName);

  site.CreateFolder("/", "copy's %");
  site.CopyFile(uri, "/copy's %/");
  EXPECT_EQ(got("/copy's %/" + fileName), "body \xE4\xB8\xAD");
  site.GetFile("/copy's %/" + fileName)->Rename(Variant("renamed 'x' 100%.htm"));
  EXPECT_TRUE(exists("/copy's %/renamed 'x' 100%.htm"));
  EXPECT_EQ(rowCount("/copy''s %/renamed ''x'' 100%.htm"), "1");

  EXPECT_TRUE(folder->Rename("moved '%' \xE4\xB8\xAD"));
  std::string moved = "/moved '%' \xE4\xB8\xAD/" + fileName;
  EXPECT_EQ(got(moved), "body \xE4\xB8\xAD");
  EXPECT_EQ(site.GetFile(moved)->Title(), fileName);
  site.GetFile(moved)->Delete();
  EXPECT_FALSE(exists(moved));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM cms_fileattribute WHERE title='" + std::string("O''Neil 50%off %41 \xE4\xB8\xAD.htm") +
                   "'"),
            "1");  // only the copy's row is left
}

}  // namespace
}  // namespace corvela::sitefiles
