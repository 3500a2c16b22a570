#include "deployservice/timed_publishing.h"

#include "core/sql_literals.h"
#include "deployservice/engine_access.h"
#include "platform/automation/oledate.h"
#include "platform/db/recordset.h"

namespace corvela::deployservice {
namespace {

// The channels of a collection, in its order.
std::vector<std::shared_ptr<Object>> channelsOf(const Variant& collection) {
  std::vector<std::shared_ptr<Object>> channels;
  auto object = collection.toObject();
  if (!object) return channels;
  auto items = object->newEnum();
  if (!items) raiseRuntimeError(451);
  Variant item;
  while (items->next(item)) channels.push_back(item.toObject());
  return channels;
}

}  // namespace

TimedPublishing::TimedPublishing(ServiceContext& context, std::function<double()> now)
    : context_(context), now_(now ? std::move(now) : std::function<double()>(oleDateNow)) {}

std::string TimedPublishing::dueCondition(int32_t channelId) const {
  return "status=3 AND columnid=" + std::to_string(channelId) +
         " AND PublishDate<" + core::SqlValue(Variant::fromDate(now_()));
}

void TimedPublishing::runPass() {
  EngineDal dal;
  auto manager = createObject(kChannelManagerProgId);
  manager->call("Init");
  for (const auto& channel : channelsOf(manager->get("RootChannels"))) {
    PublishChannel(*channel);
    PublishBranch("/" + channel->get("Name").toString());
    context_.yield();
  }
}

void TimedPublishing::PublishChannel(Object& channel) {
  int32_t id = channel.get("ID").toLong();
  EngineDal dal;
  auto due = dal.select("SELECT id FROM cms_content WHERE " + dueCondition(id));
  if (due->eof()) return;
  dal.execute("UPDATE cms_content SET status=5 WHERE " + dueCondition(id));
  channel.call("GenerateIndex");
}

void TimedPublishing::PublishBranch(const std::string& path) {
  auto manager = createObject(kChannelManagerProgId);
  manager->call("Init");
  EngineDal dal;
  for (const auto& channel : channelsOf(callWith(*manager, "SubChannels", Variant(path)))) {
    PublishChannel(*channel);
    PublishBranch(path + "/" + channel->get("Name").toString());
    context_.yield();
  }
}

}  // namespace corvela::deployservice
