// ContentTest helpers.
#include "content_fixture.h"

#include <barrier>
#include <thread>

#include "core/record_values.h"
#include "platform/db/recordset.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"

namespace corvela::content {

void runTogether(int threads, const std::function<void(int)>& work) {
  std::barrier start(threads);
  std::vector<std::thread> pool;
  for (int i = 0; i < threads; ++i)
    pool.emplace_back([&, i] {
      start.arrive_and_wait();
      work(i);
    });
  for (auto& thread : pool) thread.join();
}

int32_t ContentTest::addChannel(const std::string& path) {
  return structure::ChannelManager().AddChannel(path, "/t/article.htm", "/n/{@uid}.htm");
}

void ContentTest::setReserveDays(int32_t channelId, int32_t days) {
  structure::Channel channel;
  channel.Load(channelId);
  channel.setReserveDays(days);
  channel.Save();
}

int32_t ContentTest::saveArticle(int32_t columnId, const std::string& title, int32_t status,
                                 const std::vector<std::string>& pages, const std::string& keyword) {
  Content article;
  article.setColumnid(columnId);
  article.setTitle(title);
  article.setStatus(status);
  article.setKeyword(keyword);
  for (const std::string& page : pages) article.AddPage(0, page);
  article.Save();
  return article.ID();
}

std::vector<int32_t> ContentTest::ids(const std::shared_ptr<db::Recordset>& rows) {
  std::vector<int32_t> list;
  for (; !rows->eof(); rows->moveNext()) list.push_back(core::longValue(rows->value("id")));
  return list;
}

}  // namespace corvela::content
