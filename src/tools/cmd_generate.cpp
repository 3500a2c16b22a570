// corvela generate | corvela publish: regenerating a site's pages from the
// shell, with progress and a summary, and publishing a channel.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "content/generation_report.h"
#include "core/com_dal.h"
#include "core/record_values.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "tools/cli_support.h"
#include "tools/commands.h"
#include "tools/generation_runner.h"

namespace corvela::tools {
namespace {

constexpr const char* kGenerateHelp =
    "Usage: corvela generate (--channel PATH | --magazine ID | --all) [--jobs N]\n"
    "\n"
    "Writes the site's pages again from the database and the templates:\n"
    "  --channel PATH  the article pages of the channel PATH (such as /News/Sports)\n"
    "                  whose articles are submitted or published (status 3, 4, 5),\n"
    "                  then its index pages and attached pages\n"
    "  --magazine ID   the magazine's cover, attached pages, published issues with\n"
    "                  their articles, and its column indexes\n"
    "  --all           every channel and every magazine\n"
    "  --jobs N        N worker threads (default: the number of cores); the pages\n"
    "                  written are the same for any N\n"
    "\n"
    "Shows a progress bar on a terminal (progress lines otherwise), then the\n"
    "number of files created, overwritten and failed. A page whose template\n"
    "fails keeps its old file and is listed. Exit status: 0 ok, 1 when anything\n"
    "failed, 2 usage.\n";

constexpr const char* kPublishHelp =
    "Usage: corvela publish --channel PATH\n"
    "\n"
    "Publishes the channel PATH: its submitted articles (status 3) become\n"
    "published (status 5) and its index pages are written again. Prints the\n"
    "files written. Exit status: 0 ok, 1 failure (a failing index template\n"
    "included: its page keeps its old file), 2 usage.\n";

constexpr const char* kArticlesToRegenerate = " AND status IN (3,4,5) ORDER BY usn DESC";
constexpr int kBarWidth = 30;

struct GenerateOptions {
  std::string channel;
  std::string magazine;
  bool all = false;
  int jobs = 0;
};

std::vector<int32_t> idsOf(const std::string& query) {
  std::vector<int32_t> ids;
  auto rows = core::comDAL().DoSelect(query);
  for (; !rows->eof(); rows->moveNext()) ids.push_back(core::longValue(rows->value("id")));
  return ids;
}

void addChannel(GenerationWork& work, int32_t id) {
  for (int32_t article : idsOf("SELECT id FROM cms_content WHERE columnid=" + std::to_string(id) + kArticlesToRegenerate))
    work.articles.push_back(article);
  work.channels.push_back(id);
}

int32_t channelIdOf(const std::string& path) {
  structure::ChannelManager tree;
  tree.Init();
  return tree.GetChannelID(path);
}

GenerationWork collectWork(const GenerateOptions& options) {
  GenerationWork work;
  if (options.all) {
    for (int32_t id : idsOf("SELECT id FROM cms_channel ORDER BY id")) addChannel(work, id);
    work.magazines = idsOf("SELECT id FROM Magazine ORDER BY id");
  } else if (!options.channel.empty()) {
    addChannel(work, channelIdOf(options.channel));
  } else {
    work.magazines.push_back(std::stoi(options.magazine));
  }
  return work;
}

// A bar redrawn in place on a terminal; elsewhere a line at every tenth.
ProgressFn progressPrinter(size_t total) {
  if (total == 0) return {};
  if (isatty(STDERR_FILENO)) {
    return [total](size_t done) {
      int filled = static_cast<int>(done * kBarWidth / total);
      std::fprintf(stderr, "\r[%s%s] %zu/%zu", std::string(filled, '#').c_str(),
                   std::string(kBarWidth - filled, ' ').c_str(), done, total);
      if (done == total) std::fputc('\n', stderr);
    };
  }
  return [total, next = size_t{1}](size_t done) mutable {
    if (done * 10 < next * total && done != total) return;
    std::fprintf(stderr, "generate: %zu of %zu done\n", done, total);
    while (next * total <= done * 10) ++next;
  };
}

int parseGenerate(int argc, char** argv, GenerateOptions& options) {
  for (int i = 0; i < argc; ++i) {
    std::string_view option = argv[i];
    if (option == "--all") {
      options.all = true;
      continue;
    }
    if (option != "--channel" && option != "--magazine" && option != "--jobs")
      return usageError("generate", "unknown option " + std::string(option));
    if (i + 1 >= argc) return usageError("generate", std::string(option) + " needs a value");
    std::string value = argv[++i];
    if (option == "--channel") options.channel = value;
    else if (option == "--magazine") options.magazine = value;
    else options.jobs = std::atoi(value.c_str());
    if (option == "--jobs" && options.jobs < 1) return usageError("generate", "--jobs needs a number of 1 or more");
    if (option == "--magazine" && value.find_first_not_of("0123456789") != std::string::npos)
      return usageError("generate", "--magazine needs a magazine id");
  }
  int chosen = int(options.all) + int(!options.channel.empty()) + int(!options.magazine.empty());
  if (chosen != 1) return usageError("generate", "give exactly one of --channel PATH, --magazine ID, --all");
  if (options.jobs == 0) options.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return -1;
}

}  // namespace

int generateCommand(int argc, char** argv) {
  for (int i = 0; i < argc; ++i)
    if (isHelpOption(argv[i])) {
      std::fputs(kGenerateHelp, stdout);
      return kExitOk;
    }
  GenerateOptions options;
  if (int status = parseGenerate(argc, argv, options); status >= 0) return status;
  GenerationWork work;
  try {
    work = collectWork(options);
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
  GenerationOutcome outcome = runGeneration(work, options.jobs, progressPrinter(work.size()));
  for (const std::string& failure : outcome.failures) std::fprintf(stderr, "%s\n", failure.c_str());
  std::printf("%d created, %d overwritten, %d failed\n", outcome.created, outcome.overwritten, outcome.failed);
  return outcome.failed > 0 ? kExitFailure : kExitOk;
}

int publishCommand(int argc, char** argv) {
  for (int i = 0; i < argc; ++i)
    if (isHelpOption(argv[i])) {
      std::fputs(kPublishHelp, stdout);
      return kExitOk;
    }
  if (argc != 2 || std::string_view(argv[0]) != "--channel") return usageError("publish", "expected --channel PATH");
  try {
    structure::Channel channel;
    channel.Load(channelIdOf(argv[1]));
    std::string report = channel.Publish();
    bool failed = false;
    for (size_t start = 0; start < report.size();) {
      size_t end = report.find(content::kReportLineEnd, start);
      if (end == std::string::npos) end = report.size();
      std::string line = report.substr(start, end - start);
      failed = failed || line.rfind(content::kReportFailed, 0) == 0;
      std::printf("%s\n", line.c_str());
      start = end + std::string_view(content::kReportLineEnd).size();
    }
    return failed ? kExitFailure : kExitOk;
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
}

}  // namespace corvela::tools
