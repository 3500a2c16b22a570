// CCAgent and CCElement: defaults, the stored status that SetInfo leaves,
// elements tied to their agent, deletion with the elements, and texts that
// must not break the statements.
#include "collect/cc_agent.h"

#include <cmath>

#include <gtest/gtest.h>

#include "collect/cc_element.h"
#include "core/core_fixture.h"
#include "platform/automation/collection.h"
#include "platform/automation/member_binding.h"
#include "platform/automation/oledate.h"
#include "platform/db/recordset.h"
#include "support/tricky_texts.h"

namespace corvela::collect {
namespace {

using testing::CoreTest;

constexpr double kOneSecond = 1.0 / 86400;

class CCAgentTest : public CoreTest {
 protected:
  void addElement(CCAgent& agent, std::string path, int16_t textHtml, std::string field) {
    agent.ADDElement(path, ByRef(textHtml), ByRef(field));
  }
  std::vector<std::string> elementPaths(CCAgent& agent) {
    std::vector<std::string> paths;
    auto elements = agent.Elements();
    for (size_t i = 0; i < elements->size(); ++i) paths.push_back(elements->at(i).toObject()->get("DOMPath").toString());
    return paths;
  }
};

TEST_F(CCAgentTest, NewAgentStoresItsDefaults) {
  double before = oleDateNow();
  CCAgent agent;
  EXPECT_EQ(agent.ID(), -1);
  agent.SetInfo();
  EXPECT_EQ(agent.ID(), 1);
  CCAgent read;
  read.GetInfo(1);
  EXPECT_EQ(read.Frequence(), 5);
  EXPECT_EQ(read.Status(), 1);
  EXPECT_NEAR(read.NextTime().days, before, 2 * kOneSecond);
  EXPECT_NEAR(read.CreateTime().days, before, 2 * kOneSecond);
  EXPECT_EQ(scalar("SELECT Frequence || '/' || Status FROM CCAgent"), "5/1");
}

TEST_F(CCAgentTest, SetInfoOfAStoredAgentKeepsTheStoredStatus) {
  CCAgent agent;
  agent.SetInfo();
  agent.setStatus(7);
  agent.setFrequence(30);
  double next = 0;
  ASSERT_TRUE(oleDateFromParts({2030, 1, 2, 3, 4, 5}, next));
  agent.setNextTime(OleDate{next});
  agent.SetInfo();
  EXPECT_EQ(agent.Status(), 1) << "SetInfo reads the agent again";
  EXPECT_EQ(agent.Frequence(), 30);
  EXPECT_NEAR(agent.NextTime().days, next, kOneSecond / 2);
}

TEST_F(CCAgentTest, ElementsBelongToTheirAgentAndGoWithIt) {
  CCAgent first, second;
  first.SetInfo();
  second.SetInfo();
  addElement(first, "/html/body/h1", 0, "Title");
  addElement(first, "/html/body/div", 1, "Body");
  addElement(second, "/p", 1, "Other");
  EXPECT_EQ(elementPaths(first), (std::vector<std::string>{"/html/body/h1", "/html/body/div"}));
  EXPECT_EQ(elementPaths(second), (std::vector<std::string>{"/p"}));
  auto title = first.Elements()->at(0).toObject();
  EXPECT_EQ(title->get("TextHTML").toLong(), 0);
  EXPECT_EQ(title->get("AgentID").toLong(), first.ID());

  first.DeleteElement(title->get("ID").toLong());
  EXPECT_EQ(elementPaths(first).size(), 1u);
  first.Delete(first.ID());
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM CCAgent"), "1");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM CCElement"), "1") << "only the other agent's element is left";
  EXPECT_THROW(first.GetInfo(1), ComError);
}

TEST_F(CCAgentTest, FailedDeleteLeavesAgentAndElements) {
  CCAgent agent;
  agent.SetInfo();
  addElement(agent, "/a", 1, "A");
  sql("CREATE TRIGGER refuse BEFORE DELETE ON CCAgent BEGIN SELECT RAISE(ABORT, 'refused'); END");
  EXPECT_THROW(agent.Delete(agent.ID()), ComError);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM CCElement"), "1") << "the elements are not deleted without their agent";
}

TEST_F(CCAgentTest, ElementValueIsLongTextAndReadBack) {
  CCElement element;
  EXPECT_EQ(element.FieldName(), "FieldName");
  EXPECT_EQ(element.TextHTML(), 1);
  std::string value(100000, 'v');
  value += "'中文'%";
  element.setElementValue(value);
  element.SetInfo();
  CCElement read;
  read.GetInfo(element.ID());
  EXPECT_EQ(read.ElementValue(), value);
  read.setDOMPath("/changed");
  read.SetInfo();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM CCElement"), "1");
  EXPECT_EQ(scalar("SELECT DOMPath FROM CCElement"), "/changed");
}

TEST_F(CCAgentTest, TrickyTextsRoundTrip) {
  for (const std::string& text : testing::trickyTexts()) {
    CCAgent agent;
    agent.setSourceURL(text);
    agent.setTemplate(text);
    agent.setFileName(text);
    agent.SetInfo();
    CCAgent read;
    read.GetInfo(agent.ID());
    EXPECT_EQ(read.SourceURL(), text);
    EXPECT_EQ(read.Template(), text);
    EXPECT_EQ(read.FileName(), text);
    CCElement element;
    element.setDOMPath(text);
    element.setFieldName(text);
    element.setElementValue(text);
    element.SetInfo();
    CCElement readElement;
    readElement.GetInfo(element.ID());
    EXPECT_EQ(readElement.DOMPath(), text);
    EXPECT_EQ(readElement.FieldName(), text);
    EXPECT_EQ(readElement.ElementValue(), text);
  }
  EXPECT_EQ(CCAgent().ListAll()->recordCount(), static_cast<int32_t>(testing::trickyTexts().size()));
}

TEST_F(CCAgentTest, MissingRowsAreNoRecord) {
  for (auto call : {+[] { CCAgent().GetInfo(5); }, +[] { CCElement().GetInfo(5); }}) {
    try {
      call();
      ADD_FAILURE() << "no error";
    } catch (const ComError& e) {
      EXPECT_EQ(e.number(), 1050);
      EXPECT_EQ(e.source(), "");
      EXPECT_EQ(e.description(), "NoRecord");
    }
  }
}

TEST_F(CCAgentTest, ScriptsAddElementsThroughTheirVariables) {
  auto agent = createObject("Corvela.CCAgent");
  agent->call("SetInfo");
  std::vector<Variant> args{Variant("/a"), Variant::fromInteger(0), Variant("F")};
  agent->call("ADDElement", args);
  auto elements = agent->call("Elements").toObject();
  EXPECT_EQ(elements->get("Count").toLong(), 1);
  EXPECT_EQ(createObject("Corvela.CCElement")->className(), "CCElement");
}

}  // namespace
}  // namespace corvela::collect
