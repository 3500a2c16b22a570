// The worker pool of `corvela generate`.
#include "tools/generation_runner.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "content/article_generation.h"
#include "content/content.h"
#include "content/index_generation.h"
#include "content/magazine_generation.h"
#include "platform/automation/com_error.h"
#include "structure/channel.h"
#include "structure/magazine.h"
#include "template/template_system.h"

namespace corvela::tools {
namespace {

enum class UnitKind { Article, ChannelIndex, Magazine };

struct Shared {
  std::mutex lock;
  GenerationOutcome outcome;
  size_t done = 0;
  const ProgressFn* progress = nullptr;

  void finish(const content::GenerationReport& report) {
    std::lock_guard guard(lock);
    outcome.created += report.created;
    outcome.overwritten += report.overwritten;
    outcome.failed += report.failed;
    for (size_t at = report.text.find(content::kReportFailed); at != std::string::npos;
         at = report.text.find(content::kReportFailed, at + 1)) {
      size_t end = report.text.find(content::kReportLineEnd, at);
      outcome.failures.push_back(report.text.substr(at, end == std::string::npos ? std::string::npos : end - at));
    }
    if (*progress) (*progress)(++done);
  }

  void fail(std::string what, const ComError& error) {
    std::lock_guard guard(lock);
    ++outcome.failed;
    outcome.failures.push_back(what + ": " + std::to_string(error.number()) + " " + error.source() + ": " +
                               error.description());
    if (*progress) (*progress)(++done);
  }
};

content::GenerationReport runUnit(UnitKind kind, int32_t id, tmpl::TemplateSystem& system) {
  switch (kind) {
    case UnitKind::Article: {
      content::Content article;
      article.Load(id);
      return content::generateArticle(article, system);
    }
    case UnitKind::ChannelIndex: {
      structure::Channel channel;
      channel.Load(id);
      return content::generateChannelIndex(channel, system);
    }
    case UnitKind::Magazine: {
      structure::Magazine magazine;
      magazine.Load(id);
      return content::generateMagazine(magazine, system);
    }
  }
  return {};
}

std::string unitName(UnitKind kind, int32_t id) {
  switch (kind) {
    case UnitKind::Article: return "article " + std::to_string(id);
    case UnitKind::ChannelIndex: return "channel " + std::to_string(id) + " index";
    case UnitKind::Magazine: return "magazine " + std::to_string(id);
  }
  return {};
}

// Runs one list of units on `jobs` threads; units are taken in order from a
// shared counter.
void runPhase(UnitKind kind, const std::vector<int32_t>& ids, int jobs, Shared& shared) {
  if (ids.empty()) return;
  std::atomic<size_t> next{0};
  auto worker = [&] {
    auto system = std::make_shared<tmpl::TemplateSystem>();
    for (size_t i; (i = next.fetch_add(1)) < ids.size();) {
      try {
        shared.finish(runUnit(kind, ids[i], *system));
      } catch (const ComError& error) {
        shared.fail(unitName(kind, ids[i]), error);
      }
    }
  };
  const size_t threads = std::min<size_t>(static_cast<size_t>(jobs), ids.size());
  if (threads <= 1) {
    worker();
    return;
  }
  std::vector<std::thread> pool;
  for (size_t t = 0; t < threads; ++t) pool.emplace_back(worker);
  for (std::thread& thread : pool) thread.join();
}

}  // namespace

GenerationOutcome runGeneration(const GenerationWork& work, int jobs, const ProgressFn& progress) {
  Shared shared;
  shared.progress = &progress;
  runPhase(UnitKind::Article, work.articles, jobs, shared);
  runPhase(UnitKind::ChannelIndex, work.channels, jobs, shared);
  runPhase(UnitKind::Magazine, work.magazines, jobs, shared);
  return std::move(shared.outcome);
}

}  // namespace corvela::tools
