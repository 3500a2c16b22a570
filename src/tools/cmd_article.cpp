// corvela article add|list: writing and listing a channel's articles from the
// shell, through Content (each save runs in one transaction).
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "content/content.h"
#include "core/record_values.h"
#include "platform/automation/com_error.h"
#include "platform/automation/oledate.h"
#include "platform/db/recordset.h"
#include "platform/text/codepage.h"
#include "structure/channel_manager.h"
#include "tools/cli_support.h"
#include "tools/commands.h"

namespace corvela::tools {
namespace {

constexpr const char* kHelp =
    "Usage: corvela article add --channel PATH --title TITLE [--author NAME]\n"
    "                           [--keyword WORDS] [--page FILE]... [--submit]\n"
    "       corvela article list --channel PATH [--status LIST]\n"
    "\n"
    "add   saves a new article in the channel PATH (such as /News/Sports) and\n"
    "      prints its id. Each --page FILE adds a page whose body is the file's\n"
    "      text (read in the system code page), in the order given. --submit\n"
    "      saves it as submitted (status 3), ready for the channel's next\n"
    "      publishing; otherwise it is new (status 1).\n"
    "list  prints the channel's articles, highest ordering number first, one a\n"
    "      line: ID, STATUS, SUBMITTED (yyyy-mm-dd hh:mm:ss), TITLE,\n"
    "      separated by tabs. --status takes a list of status\n"
    "      codes such as 3 or 1,2,3,5 (the default: everything but history).\n"
    "      Published articles older than the channel's reserve days move to\n"
    "      history (status 4) first, as in the administration pages.\n"
    "\n"
    "Status codes: 1 new, 2 edited, 3 submitted, 4 history, 5 published.\n"
    "Errors print \"number source: description\" and exit with status 1.\n";

constexpr const char* kDefaultStatusList = "1,2,3,5";

struct Options {
  std::string channel, title, author, keyword, status = kDefaultStatusList;
  std::vector<std::string> pages;
  bool submit = false;
};

// Parses the options of an action; returns the usage error's status or -1.
int parseOptions(std::string_view action, int argc, char** argv, Options& options) {
  const bool adding = action == "add";
  for (int i = 0; i < argc; ++i) {
    std::string_view option = argv[i];
    if (adding && option == "--submit") {
      options.submit = true;
      continue;
    }
    std::string* target = nullptr;
    if (option == "--channel") target = &options.channel;
    else if (adding && option == "--title") target = &options.title;
    else if (adding && option == "--author") target = &options.author;
    else if (adding && option == "--keyword") target = &options.keyword;
    else if (!adding && option == "--status") target = &options.status;
    else if (adding && option == "--page") target = &options.pages.emplace_back();
    else return usageError("article", std::string(action) + ": unknown option " + std::string(option));
    if (i + 1 >= argc) return usageError("article", std::string(action) + ": " + std::string(option) + " needs a value");
    *target = argv[++i];
  }
  if (options.channel.empty()) return usageError("article", std::string(action) + ": --channel PATH is required");
  if (adding && options.title.empty()) return usageError("article", "add: --title is required");
  return -1;
}

int channelIdOf(const std::string& path) {
  structure::ChannelManager tree;
  tree.Init();
  return tree.GetChannelID(path);
}

bool readPage(const std::string& file, std::string& text) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  text = text::fromCodePage(bytes.str());
  return true;
}

int addCommand(const Options& options) {
  content::Content article;
  article.setColumnid(channelIdOf(options.channel));
  article.setTitle(options.title);
  if (!options.author.empty()) article.setAuthor(options.author);
  article.setKeyword(options.keyword);
  if (options.submit) article.setStatus(content::kStatusSubmitted);
  for (const std::string& file : options.pages) {
    std::string body;
    if (!readPage(file, body)) {
      std::fprintf(stderr, "corvela article: cannot read %s\n", file.c_str());
      return kExitFailure;
    }
    article.AddPage(0, body);
  }
  article.Save();
  std::printf("added article %d (%zu page%s) in %s\n", article.ID(), options.pages.size(),
              options.pages.size() == 1 ? "" : "s", options.channel.c_str());
  return kExitOk;
}

std::string isoDate(const Variant& cell) {
  if (cell.isNull() || cell.isEmpty()) return {};
  DateParts p = partsFromOleDate(cell.toDate());
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute, p.second);
  return text;
}

int listCommand(const Options& options) {
  content::Content lister;
  auto rows = lister.ListAll(channelIdOf(options.channel), options.status);
  for (; !rows->eof(); rows->moveNext()) {
    std::printf("%d\t%d\t%s\t%s\n", core::longValue(rows->value("id")), core::longValue(rows->value("status")),
                isoDate(rows->value("submitdate")).c_str(), core::textValue(rows->value("title")).c_str());
  }
  return kExitOk;
}

}  // namespace

int articleCommand(int argc, char** argv) {
  if (argc < 1) return usageError("article", "expected add or list");
  for (int i = 0; i < argc; ++i)
    if (isHelpOption(argv[i])) {
      std::fputs(kHelp, stdout);
      return kExitOk;
    }
  std::string_view action = argv[0];
  if (action != "add" && action != "list") return usageError("article", "unknown action " + std::string(action));
  Options options;
  if (int status = parseOptions(action, argc - 1, argv + 1, options); status >= 0) return status;
  try {
    return action == "add" ? addCommand(options) : listCommand(options);
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
}

}  // namespace corvela::tools
