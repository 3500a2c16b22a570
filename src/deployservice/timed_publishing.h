// Timed publishing: walks the whole channel tree, parents before children,
// and in every channel with submitted articles (status 3) whose publish date
// has passed marks them published (status 5) and regenerates the channel's
// index pages. Reaches the engine through Corvela.ChannelManager, its
// channel objects and Corvela.comDAL only.
#pragma once

#include <functional>
#include <string>

#include "deployservice/service_context.h"
#include "platform/automation/object.h"

namespace corvela::deployservice {

class TimedPublishing {
 public:
  // `now` gives the current time as an OLE date (the clock by default).
  explicit TimedPublishing(ServiceContext& context, std::function<double()> now = {});

  // One pass. Errors are raised to the tick, which logs them.
  void runPass();

 private:
  void PublishChannel(Object& channel);
  void PublishBranch(const std::string& path);
  std::string dueCondition(int32_t channelId) const;

  ServiceContext& context_;
  std::function<double()> now_;
};

inline constexpr const char* kPublishLogPrefix = "PublishTimer.Timer：";

}  // namespace corvela::deployservice
