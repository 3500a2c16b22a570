// Every public class of the engine core is created by its ProgID, in any
// letter case, as pages and the deploy service create them, each time anew.
#include <gtest/gtest.h>

#include "platform/automation/object.h"

namespace corvela {
namespace {

TEST(ClassRegistration, EveryProgIdCreatesItsClass) {
  struct Case { const char* progId; const char* className; } cases[] = {
      {"Corvela.Config", "Config"}, {"Corvela.comDAL", "comDAL"}, {"Corvela.comIDManager", "comIDManager"},
      {"Corvela.SysLog", "SysLog"}, {"Corvela.Tips", "Tips"}, {"Corvela.ServerCookie", "ServerCookie"},
      {"corvela.comdal", "comDAL"}, {"UTF8.Encoder", "Encoder"},
  };
  for (const Case& c : cases) {
    std::shared_ptr<Object> object = createObject(c.progId);
    ASSERT_NE(object, nullptr) << c.progId;
    EXPECT_EQ(object->className(), c.className) << c.progId;
  }
  EXPECT_NE(createObject("Corvela.Tips"), createObject("Corvela.Tips"));
}

}  // namespace
}  // namespace corvela
