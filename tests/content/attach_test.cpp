// Attach: validation messages, the 255-character cut, texts that must not
// break the statements, and the listing.
#include "content/attach.h"

#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "platform/db/recordset.h"
#include "platform/text/utf8.h"
#include "support/tricky_texts.h"

namespace corvela::content {
namespace {

using testing::CoreTest;

std::string repeat(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

class AttachTest : public CoreTest {
 protected:
  int32_t save(std::string templateFile, std::string fileName, int32_t column = 4) {
    Attach attach;
    attach.setTemplate(templateFile);
    attach.setFileName(fileName);
    attach.setColumnid(column);
    attach.Save();
    return attach.ID();
  }
};

TEST_F(AttachTest, BlankFieldsAreRefusedWithTheFailedChecks) {
  struct Case {
    std::string templateFile, fileName, description;
  } cases[] = {
      {"   ", "list.html", "Theres some Erro in your input:The template can not empty!"},
      {"t.htm", "", "Theres some Erro in your input:,The FileName can not empty!"},
      {"", " ", "Theres some Erro in your input:The template can not empty!,The FileName can not empty!"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(testing::raised([&] { save(c.templateFile, c.fileName); }), (testing::Raised{1051, "", c.description}));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM cms_attach"), "0");
}

TEST_F(AttachTest, TrickyTextsRoundTripAndLongOnesAreCutWithoutBreakingQuotesOrCharacters) {
  for (const std::string& text : testing::trickyTexts()) {
    Attach read;
    read.Load(save(text, text));
    EXPECT_EQ(read.Template(), text);
    EXPECT_EQ(read.FileName(), text);
  }

  struct Case {
    std::string text, expected;
  } cases[] = {
      {std::string(254, 'a') + "'''", std::string(254, 'a') + "'"},
      {std::string(254, 'a') + "\xF0\x9F\x98\x80", std::string(254, 'a')},
      {std::string(300, '\''), std::string(255, '\'')},
      {repeat("中", 300), repeat("中", 255)},
  };
  for (const Case& c : cases) {
    Attach attach;
    attach.setTemplate(c.text);
    attach.setFileName("f'" + c.text);
    attach.Save();
    EXPECT_EQ(attach.Template(), c.expected);
    EXPECT_TRUE(text::isValidUtf8(attach.FileName()));
    EXPECT_LE(text::codePointCount(attach.FileName()), 255u);
  }
}

TEST_F(AttachTest, SaveUpdatesLoadDeleteAndList) {
  int32_t first = save("a.htm", "a.html", 4);
  int32_t second = save("b.htm", "b.html", 4);
  save("c.htm", "c.html", 5);
  Attach attach;
  attach.Load(first);
  attach.setFileName("a2.html");
  attach.Save();
  EXPECT_EQ(attach.ID(), first);
  auto rs = attach.ListAll(4);
  ASSERT_EQ(rs->recordCount(), 2);
  EXPECT_EQ(rs->value("filename").toString(), "a2.html");
  EXPECT_TRUE(attach.Del(second));
  EXPECT_EQ(attach.ListAll(4)->recordCount(), 1);
  EXPECT_THROW(attach.Load(second), ComError);
}

}  // namespace
}  // namespace corvela::content
