// Helpers of the article tests: channels made in the tree, articles saved
// through Content, errors caught as values.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "content/content.h"
#include "core/core_fixture.h"
#include "platform/automation/com_error.h"

namespace corvela::content {

struct Raised {
  int32_t number = 0;
  std::string source, description;
  bool operator==(const Raised&) const = default;
};

template <class F>
Raised raised(F&& f) {
  try {
    f();
  } catch (const ComError& e) {
    return {e.number(), e.source(), e.description()};
  }
  return {};
}

class ContentTest : public testing::CoreTest {
 protected:
  // A channel at the path (its parent must exist); returns its id.
  int32_t addChannel(const std::string& path);
  void setReserveDays(int32_t channelId, int32_t days);
  // A saved article; returns its id.
  int32_t saveArticle(int32_t columnId, const std::string& title, int32_t status = kStatusNew,
                      const std::vector<std::string>& pages = {}, const std::string& keyword = "");
  // The id column of a recordset, in order.
  static std::vector<int32_t> ids(const std::shared_ptr<db::Recordset>& rows);
  int count(const std::string& fromWhere) { return std::stoi(scalar("SELECT count(*) FROM " + fromWhere)); }
};

}  // namespace corvela::content
