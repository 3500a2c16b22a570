// Helpers of the article tests: channels made in the tree, articles saved
// through Content, errors caught as values, and threads started together.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "content/content.h"
#include "core/core_fixture.h"
#include "platform/automation/com_error.h"

namespace corvela::content {

using testing::Raised;
using testing::raised;

// Runs work(i) for i in [0, threads) on as many threads, released together.
void runTogether(int threads, const std::function<void(int)>& work);

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
