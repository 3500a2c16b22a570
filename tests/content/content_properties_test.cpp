// Typed property values against the channel schema and related articles kept
// as XML: typing errors, storage per type, reloads, copies, the related list
// and keyword relations.
#include <algorithm>

#include <gtest/gtest.h>

#include "content/page.h"
#include "content_fixture.h"
#include "platform/automation/collection.h"
#include "platform/db/recordset.h"
#include "structure/schema.h"
#include "template/template_document.h"

namespace corvela::content {
namespace {

class PropertyTest : public ContentTest {
 protected:
  void SetUp() override {
    news_ = addChannel("/News");
    structure::Schema schema;
    schema.Load(news_);
    for (const char* type : {"STRING", "TEXT", "NUMBER", "DOUBLE", "DATETIME", "BOOLEAN"})
      schema.AddProperty(std::string("p_") + type, "", type, "TEXT", "");
  }
  Content article() {
    Content a;
    a.setColumnid(news_);
    return a;
  }
  int32_t news_ = 0;
};

TEST_F(PropertyTest, ValuesThatAreNoNumberOrDateAreRefused) {
  Content a = article();
  const Raised notNumber{10001, "Content", "[p_NUMBER] 的数据类型不合法,要求数值类型。"};
  const Raised notDate{10001, "Content", "[p_DATETIME] 的类型不合法，要求日期类型。"};
  EXPECT_EQ(raised([&] { a.setItem("p_NUMBER", Variant("12abc")); }), notNumber);
  EXPECT_EQ(raised([&] { a.setItem("p_NUMBER", Variant::null()); }), notNumber);
  EXPECT_EQ(raised([&] { a.setItem("p_DOUBLE", Variant("x")); }).number, 10001);
  EXPECT_EQ(raised([&] { a.setItem("p_DATETIME", Variant("the 32nd of May")); }), notDate);
  EXPECT_EQ(raised([&] { a.setItem("p_missing", Variant("x")); }).number, 513);
  EXPECT_TRUE(a.propertyValues().empty()) << "nothing refused is held";
  for (const char* ok : {"", "42", " -1.5 ", "1,000"}) EXPECT_EQ(raised([&] { a.setItem("p_NUMBER", Variant(ok)); }), Raised{}) << ok;
  EXPECT_EQ(raised([&] { a.setItem("p_DATETIME", Variant("")); }), Raised{});
}

TEST_F(PropertyTest, EachTypeIsStoredInItsColumnReadBackAndUpdatedOnResave) {
  Content a = article();
  a.setItem("p_STRING", Variant("it's"));
  a.setItem("p_TEXT", Variant(std::string(70000, 't')));
  a.setItem("p_NUMBER", Variant("42"));
  a.setItem("p_DOUBLE", Variant(2.5));
  a.setItem("p_DATETIME", Variant("2024-02-29 13:45:00"));
  a.setItem("p_BOOLEAN", Variant("True"));
  a.Save();
  std::string where = " FROM ContentProperty WHERE ContentID=" + std::to_string(a.ID()) + " AND ";
  EXPECT_EQ(count("ContentProperty"), 6);
  EXPECT_EQ(scalar("SELECT NUMBER_VALUE" + where + "NUMBER_VALUE IS NOT NULL"), "42");
  EXPECT_EQ(scalar("SELECT count(*)" + where + "DATETIME_VALUE='2024-02-29 13:45:00'"), "1");
  EXPECT_EQ(scalar("SELECT BOOLEAN_VALUE" + where + "BOOLEAN_VALUE IS NOT NULL"), "1");
  Content read;
  read.Load(a.ID());
  for (const auto& [name, value] : {std::pair{"p_STRING", "it's"}, {"p_NUMBER", "42"}, {"p_DOUBLE", "2.5"},
                                    {"p_BOOLEAN", "True"}, {"P_STRING", ""}, {"nothing", ""}})
    EXPECT_EQ(read.Item(name).toString(), value) << name << " (names compare exactly)";
  EXPECT_EQ(read.Item("p_TEXT").toString().size(), 70000u);

  a.setItem("p_NUMBER", Variant(""));
  a.setItem("p_STRING", Variant("second"));
  a.Save();
  EXPECT_EQ(count("ContentProperty"), 6) << "rows are updated, not added";
  read.Load(a.ID());
  EXPECT_EQ(read.Item("p_STRING").toString(), "second");
  EXPECT_EQ(read.Item("p_NUMBER").toString(), "");
  read.ClearField();
  EXPECT_EQ(read.Item("p_STRING").toString(), "");
  read.LoadProperties();
  EXPECT_EQ(read.Item("p_STRING").toString(), "second");
}

TEST_F(PropertyTest, CopyToCarriesPropertiesTheTargetDefines) {
  int32_t other = addChannel("/Other");
  structure::Schema schema;
  schema.Load(other);
  schema.AddProperty("p_STRING", "", "STRING", "TEXT", "");
  Content a = article();
  a.setItem("p_STRING", Variant("kept"));
  a.setItem("p_NUMBER", Variant(5));
  a.Save();
  std::shared_ptr<Content> copy = a.CopyTo(other);
  Content read;
  read.Load(copy->ID());
  EXPECT_EQ(read.Item("p_STRING").toString(), "kept");
  EXPECT_EQ(read.Item("p_NUMBER").toString(), "");
  EXPECT_EQ(count("ContentProperty WHERE ContentID=" + std::to_string(copy->ID())), 1);
}

TEST_F(PropertyTest, FieldsHoldsTheStoredArticleForTemplates) {
  int32_t related = saveArticle(news_, "related");
  Content a = article();
  a.setTitle("Headline");
  a.setKeyword("k1,k2");
  a.setItem("p_STRING", Variant("stored"));
  a.setItem("p_NUMBER", Variant(7));
  a.AddPage(0, "body");
  a.pageList()[0]->setFileName("/news/1.htm");
  a.AddRelativeArticle(related);
  a.Save();
  a.setItem("p_STRING", Variant("not saved"));
  std::shared_ptr<tmpl::TemplateDocument> fields = a.Fields();
  EXPECT_EQ(fields->channelId(), news_);
  EXPECT_EQ(fields->value("P_string").toString(), "stored") << "values come from the database";
  EXPECT_EQ(fields->value("p_NUMBER").toLong(), 7);
  EXPECT_TRUE(fields->value("p_TEXT").isEmpty());
  EXPECT_EQ(fields->value("ID").toLong(), a.ID());
  EXPECT_EQ(fields->value("title").toString(), "Headline");
  EXPECT_EQ(fields->value("keyword").toString(), "k1,k2");
  EXPECT_EQ(fields->value("url").toString(), "/news/1.htm");
  EXPECT_EQ(fields->value("submitdate").type(), VarType::Date);
  auto relatedArticles = std::dynamic_pointer_cast<Collection>(fields->Item(Variant("relativearticle")));
  ASSERT_NE(relatedArticles, nullptr);
  EXPECT_EQ(relatedArticles->Count(), 1);
  EXPECT_EQ(Content().Fields()->value("url").toString(), "") << "no pages, no url";

  sql("INSERT INTO ChannelSchema (PropertyID,Channelid,PropertyName,PropertyType) VALUES (-3," +
      std::to_string(news_) + ",'broken','STRING')");
  EXPECT_EQ(raised([&] { a.Fields(); }), (Raised{513, "Content", "Channel 的Schema错误，属性未定义：broken"}));
}

class RelatedTest : public PropertyTest {
 protected:
  std::vector<int32_t> related(Content& article) {
    std::vector<int32_t> list;
    auto articles = article.RelativeArticles();
    for (size_t i = 0; i < articles->size(); ++i)
      list.push_back(std::static_pointer_cast<Content>(articles->at(i).rawObject())->ID());
    return list;
  }
};

TEST_F(RelatedTest, TheListKeepsEachIdOnceInOrderAndSkipsDeletedArticles) {
  int32_t a = saveArticle(news_, "a"), b = saveArticle(news_, "b"), c = saveArticle(news_, "c");
  Content article;
  article.setColumnid(news_);
  article.AddRelativeArticle(c);
  article.AddRelativeArticle(a);
  article.AddRelativeArticle(c);
  article.AddRelativeArticle(b);
  article.Save();
  Content().Del(b);
  Content read;
  read.Load(article.ID());
  EXPECT_EQ(related(read), (std::vector<int32_t>{c, a}));
  EXPECT_EQ(scalar("SELECT relativearticle FROM cms_content WHERE id=" + std::to_string(article.ID())),
            "<?xml version=\"1.0\"?><relativearticle><id>" + std::to_string(c) + "</id><id>" + std::to_string(a) +
                "</id><id>" + std::to_string(b) + "</id></relativearticle>");
  read.ClearRelativeArticle();
  EXPECT_EQ(read.relatedArticleXml(), kEmptyRelatedList);
  EXPECT_TRUE(related(read).empty());
}

TEST_F(RelatedTest, StoredListsThatDoNotParseOrHoldNoNumbers) {
  int32_t a = saveArticle(news_, "a"), b = saveArticle(news_, "b");
  std::string n = std::to_string(b);
  sql("UPDATE cms_content SET relativearticle='<relativearticle><id>x</id><id>1 OR 1=1</id><id>" +
      std::to_string(a) + "</id></relativearticle>' WHERE id=" + n);
  Content read;
  read.Load(b);
  EXPECT_EQ(related(read), (std::vector<int32_t>{a}));
  sql("UPDATE cms_content SET relativearticle='<relativearticle>' WHERE id=" + n);
  read.Load(b);
  EXPECT_EQ(raised([&] { read.RelativeArticles(); }), (Raised{555, "Content.Fields", "InvalidXML"}));
  sql("UPDATE cms_content SET relativearticle=NULL WHERE id=" + n);
  read.Load(b);
  EXPECT_TRUE(related(read).empty()) << "a row without a list has the empty list";
}

TEST_F(RelatedTest, CreateRelativeMatchesKeywordEndsNeverItselfNewestFirst) {
  auto withKeyword = [&](const std::string& keyword, double daysAgo) {
    Content article;
    article.setColumnid(news_);
    article.setKeyword(keyword);
    article.setPublishDate(OleDate{oleDateNow() - daysAgo});
    article.Save();
    return article.ID();
  };
  int32_t older = withKeyword("sport,goal", 5), newer = withKeyword("football", 1);
  int32_t literal = withKeyword("a_c", 2);
  withKeyword("abc", 3);
  withKeyword("weather", 4);
  Content article;
  article.Load(withKeyword("ball,goal,,a_c", 0));
  article.CreateRelative();
  EXPECT_EQ(related(article), (std::vector<int32_t>{newer, literal, older}));
}

TEST_F(RelatedTest, CreateRelativeListsAtMost200) {
  for (int i = 1; i <= 210; ++i)
    sql("INSERT INTO cms_content (id,columnid,keyword,publishdate) VALUES (" + std::to_string(1000 + i) + "," +
        std::to_string(news_) + ",'k','2020-01-01 00:00:00')");
  Content article;
  article.Load(1001);
  article.CreateRelative();
  std::vector<int32_t> list = related(article);
  EXPECT_LE(list.size(), 200u);
  EXPECT_GE(list.size(), 199u);
  EXPECT_EQ(std::count(list.begin(), list.end(), 1001), 0);
}

}  // namespace
}  // namespace corvela::content
