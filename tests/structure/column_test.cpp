// Column: validation with the directory check, cuts and texts that must not
// break statements, counts of an unsaved column, and the cascade of Del (all
// or nothing).
#include "structure/column.h"

#include <gtest/gtest.h>

#include "structure_fixture.h"
#include "support/tricky_texts.h"

namespace corvela::structure {
namespace {

using ColumnTest = StructureTest;

TEST_F(ColumnTest, SaveReportsTheEmptyDirectory) {
  Column column;
  column.setName("C");
  column.setTemplate("/t");
  column.setNameMethod("/n");
  EXPECT_EQ(raised([&] { column.Save(); }),
            (Raised{1051, "", "There is some error in your input:The Directory can not be empty!"}));
  column.setTemplate("");
  column.setNameMethod("");
  EXPECT_EQ(raised([&] { column.Save(); }).description,
            "There is some error in your input:The TemplateFile can not be empty!The Directory can not be "
            "empty!The NameMethod can not be empty!");
}

TEST_F(ColumnTest, SaveCutsAndRoundTripsEveryText) {
  Column column;
  EXPECT_EQ(column.MagazineID(), -1);
  column.setName("C");
  column.setTemplate(std::string(600, 't'));
  column.setDirectory("/d");
  column.setNameMethod("/n");
  column.setMagazineID(4);
  column.setIsOpen(false);
  column.Save();
  Column loaded;
  loaded.Load(column.ID());
  EXPECT_EQ(loaded.Template(), std::string(500, 't'));
  EXPECT_EQ(loaded.MagazineID(), 4);
  EXPECT_FALSE(loaded.IsOpen());
  EXPECT_EQ(loaded.IndexPage(), " ");
  loaded.setAlias("again");
  loaded.Save();
  EXPECT_EQ(loaded.ID(), column.ID()) << "an existing row is updated";
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_column"), "1");

  for (const std::string& text : testing::trickyTexts()) {
    Column tricky;
    for (auto set : {&Column::setName, &Column::setAlias, &Column::setDirectory, &Column::setTemplate,
                     &Column::setNameMethod, &Column::setIndexTemplate, &Column::setIndexPage, &Column::setUploadDir})
      (tricky.*set)(text);
    tricky.Save();
    Column read;
    read.Load(tricky.ID());
    for (const std::string& field : {read.Name(), read.Alias(), read.Directory(), read.Template(), read.NameMethod(),
                                     read.IndexTemplate(), read.IndexPage(), read.UploadDir()})
      EXPECT_EQ(field, text);
  }
}

TEST_F(ColumnTest, CountsOfSavedAndUnsavedColumns) {
  int32_t id = newColumn();
  addSectionRows(id, 100, 1);
  addSectionRows(id, 101, 5);
  EXPECT_EQ(Column().NewContentCount(), 0);
  Column column;
  column.Load(id);
  EXPECT_EQ(column.NewContentCount(), 1);
  EXPECT_EQ(column.ContentCount(id), 2);
}

TEST_F(ColumnTest, DelRemovesItsRowsAndAccessEntriesAllOrNothing) {
  int32_t a = newColumn(), b = newColumn();
  addSectionRows(a, 100);
  addSectionRows(b, 101);
  Column column;
  column.Load(a);
  column.AddACLEntry("alice");
  sql("CREATE TRIGGER refuse BEFORE DELETE ON cms_content BEGIN SELECT RAISE(ABORT,'refused'); END");
  EXPECT_NE(raised([&] { column.Del(a); }).number, 0);
  EXPECT_EQ(countSectionRows(a, 100), 8);
  sql("DROP TRIGGER refuse");
  column.Del(a);
  EXPECT_EQ(countSectionRows(a, 100), 0);
  EXPECT_EQ(countSectionRows(b, 101), 7);
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_column"), "1");
  EXPECT_EQ(raised([&] { column.Del(a); }), (Raised{1050, "", "NoRecord"}));
}

}  // namespace
}  // namespace corvela::structure
