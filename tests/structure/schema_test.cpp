// Schema, Property and Schema2: built-ins first, upper-casing and checks of
// AddProperty, shadowed rows, ids that skip the built-ins, Update of changed
// properties, and the free slots.
#include "structure/schema.h"

#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "structure/property.h"
#include "structure/schema2.h"
#include "support/tricky_texts.h"

namespace corvela::structure {
namespace {

using testing::CoreTest;
using testing::Raised;
using testing::raised;

std::vector<std::string> names(Schema& schema) {
  std::vector<std::string> out;
  auto e = schema.newEnum();
  for (Variant item; e->next(item);) out.push_back(item.toObject()->get("PropertyName").toString());
  return out;
}

class SchemaTest : public CoreTest {
 protected:
  SchemaTest() { schema.Load(7); }
  Schema schema;
};

TEST_F(SchemaTest, FreshSchemaEnumeratesTheBuiltInsInOrder) {
  EXPECT_EQ(names(schema), (std::vector<std::string>{"TITLE", "PUTINTOPX", "ISIMAGENEWS", "PUBLISHDATE", "KEYWORD"}));
  auto title = schema.GetProperty(9999);
  EXPECT_EQ(title->Alias(), "标题");
  EXPECT_EQ(schema.GetProperty(9998)->Options(), "Y,N");
  EXPECT_EQ(schema.GetProperty(9996)->PropertyType(), "DATETIME");
  EXPECT_EQ(schema.GetProperty(9995)->PropertyName(), "KEYWORD");
}

TEST_F(SchemaTest, AddPropertyUpperCasesFillsTheAliasAndRedefines) {
  schema.AddProperty("color", "", "number", "select", "Y,N");
  auto p = schema.GetPropertyByName("color");
  EXPECT_EQ(p->PropertyType(), "NUMBER");
  EXPECT_EQ(p->InputType(), "SELECT");
  EXPECT_EQ(p->Alias(), "color");
  EXPECT_EQ(scalar("SELECT Alias FROM ChannelSchema WHERE PropertyName='color'"), "color");
  EXPECT_EQ(names(schema).back(), "color");

  int32_t id = p->PropertyID();
  schema.AddProperty("color", "Farbe", "DOUBLE", "TEXTAREA", "a,b");
  p = schema.GetPropertyByName("color");
  EXPECT_EQ(p->PropertyID(), id) << "redefining keeps the id and changes the rest";
  EXPECT_EQ(p->Alias() + p->PropertyType() + p->InputType() + p->Options(), "FarbeDOUBLETEXTAREAa,b");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM ChannelSchema"), "1");
}

TEST_F(SchemaTest, RefusedInputWritesNothing) {
  struct Case {
    std::string name, type, input;
    const char* description;
  } cases[] = {
      {"   ", "STRING", "TEXT", "属性名称不能为空！"},
      {"p", "MONEY", "TEXT", "属性类型不合法！"},
      {"p", "STRING", "RADIO", "输入类型不合法！"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(raised([&] { schema.AddProperty(c.name, "", c.type, c.input, ""); }),
              (Raised{513, "Schema.AddProperty", c.description}));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM ChannelSchema"), "0");
}

TEST_F(SchemaTest, UnloadedSchemaRefusesChanges) {
  Schema fresh;
  Raised add = raised([&] { fresh.AddProperty("p", "", "STRING", "TEXT", ""); });
  EXPECT_EQ(add.number, 513);
  EXPECT_EQ(add.description, "Schema对象尚未初始化，请调用Load");
  EXPECT_EQ(raised([&] { fresh.DeleteProperty("p"); }),
            (Raised{4097, "Schema.DeleteProperty", "Schema对象未初始化，请先调用Load"}));
  EXPECT_EQ(raised([&] { fresh.Update(); }), (Raised{4099, "Schema", "Schema尚未初始化，请先调用Load"}));
}

TEST_F(SchemaTest, LookupsAreExactAndReportTheMissingKey) {
  EXPECT_EQ(raised([&] { schema.GetPropertyByName("title"); }),
            (Raised{513, "Schema", "Channel的Schema错误，属性未定义：title"}));
  EXPECT_EQ(raised([&] { schema.GetProperty(42); }).description, "Channel的Schema错误，属性未定义：42");
}

TEST_F(SchemaTest, RowsNamedLikeABuiltInAreNotListed) {
  sql("INSERT INTO ChannelSchema VALUES (1,7,'title','x','STRING','TEXT','')");
  sql("INSERT INTO ChannelSchema VALUES (2,7,'Keyword','x','STRING','TEXT','')");
  sql("INSERT INTO ChannelSchema VALUES (3,7,'mine',NULL,'STRING','TEXT',NULL)");
  sql("INSERT INTO ChannelSchema VALUES (4,8,'other','x','STRING','TEXT','')");
  schema.Load(7);
  EXPECT_EQ(names(schema).size(), 6u);
  EXPECT_EQ(schema.GetProperty(9999)->Alias(), "标题");
  EXPECT_EQ(schema.GetPropertyByName("mine")->Alias(), "mine") << "a NULL alias reads as the name";
  EXPECT_EQ(schema.GetPropertyByName("mine")->Options(), "");
}

TEST_F(SchemaTest, CustomIdsSkipTheBuiltInIds) {
  sql("INSERT INTO IDManager (tablename,id) VALUES ('Schema',9994)");
  schema.AddProperty("a", "", "STRING", "TEXT", "");
  schema.AddProperty("b", "", "STRING", "TEXT", "");
  EXPECT_EQ(schema.GetPropertyByName("a")->PropertyID(), 9994);
  EXPECT_EQ(schema.GetPropertyByName("b")->PropertyID(), 10000);
  EXPECT_EQ(schema.GetProperty(9999)->PropertyName(), "TITLE");
}

TEST_F(SchemaTest, UpdateWritesChangedPropertiesAndDeleteRemovesThem) {
  schema.AddProperty("a", "A", "STRING", "TEXT", "");
  schema.AddProperty("b", "B", "STRING", "TEXT", "");
  schema.GetPropertyByName("a")->setAlias("A2");
  schema.GetPropertyByName("b")->setOptions("x,y");
  schema.GetProperty(9999)->setAlias("changed");
  schema.Update();
  Schema again;
  again.Load(7);
  EXPECT_EQ(again.GetPropertyByName("a")->Alias(), "A2");
  EXPECT_EQ(again.GetPropertyByName("b")->Options(), "x,y");
  EXPECT_EQ(again.GetProperty(9999)->Alias(), "标题");
  again.DeleteProperty("a");
  EXPECT_EQ(names(again).size(), 6u);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM ChannelSchema"), "1");
}

TEST_F(SchemaTest, TrickyTextsRoundTrip) {
  int n = 0;
  for (const std::string& text : testing::trickyTexts()) {
    std::string name = text + std::to_string(++n);
    schema.AddProperty(name, text, "STRING", "TEXT", text);
    Schema again;
    again.Load(7);
    auto p = again.GetPropertyByName(name);
    EXPECT_EQ(p->Alias(), text);
    EXPECT_EQ(p->Options(), text);
    again.DeleteProperty(name);
    EXPECT_THROW(again.GetPropertyByName(name), ComError) << text;
  }
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM ChannelSchema"), "0");
}

TEST_F(SchemaTest, ExtSchemaSavesOnceAndUpdatesAfter) {
  auto ext = schema.ExtSchema();
  EXPECT_EQ(ext->channelId(), 7);
  ext->setExt1("one");
  ext->setExt5("O'five 中文");
  ext->Save();
  ext->setExt1("uno");
  ext->Save();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM ChannelSchema2"), "1");
  Schema2 read;
  read.Load(7);
  EXPECT_EQ(read.Ext1(), "uno");
  EXPECT_EQ(read.Ext5(), "O'five 中文");
  for (const std::string& text : testing::trickyTexts()) {
    ext->setExt3(text);
    ext->Save();
    Schema2 again;
    again.Load(7);
    EXPECT_EQ(again.Ext3(), text);
  }
  Schema2 none;
  none.setExt2("kept");
  none.Load(99);
  EXPECT_EQ(none.Ext2(), "kept") << "a channel without a row leaves the slots";
  EXPECT_EQ(none.channelId(), 99);
}

// Enumeration by script is in records_script; setting ExtSchema to an object is not.
TEST_F(SchemaTest, ScriptsSetExtSchema) {
  auto object = createObject("Corvela.Schema");
  auto mine = createObject("Corvela.Schema2");
  object->set("ExtSchema", Variant(mine));
  EXPECT_EQ(object->get("ExtSchema").toObject(), mine);
}

}  // namespace
}  // namespace corvela::structure
