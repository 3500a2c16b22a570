// corvela render: what a template makes of an article, for template authors.
// The article's document and channel view are set up as article generation
// sets them for page 1, and the page is printed, or the template's error
// text (with its line) on stderr and exit status 1.
#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "content/content.h"
#include "content/page.h"
#include "core/site_paths.h"
#include "platform/automation/com_error.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "template/channel_views.h"
#include "template/template_document.h"
#include "template/template_system.h"
#include "tools/cli_support.h"
#include "tools/commands.h"

namespace corvela::tools {
namespace {

constexpr const char* kHelp =
    "Usage: corvela render TEMPLATE --article ID\n"
    "\n"
    "Runs the template on the article and prints the page it makes. TEMPLATE is\n"
    "the template's site URI (such as /templates/article.html) or the path of\n"
    "a file inside the site folder. The template sees the article as it does\n"
    "when page 1 is generated: Document holds the article's fields and the\n"
    "page's text, Channel its channel.\n"
    "\n"
    "A template that fails prints its error text, with the line of the\n"
    "compiled script, on stderr and exits with status 1.\n";

// A file inside the site folder is named by its URI; anything else already is one.
std::string templateUri(const std::string& argument) {
  struct stat info;
  if (::stat(argument.c_str(), &info) != 0) return argument;
  char* resolved = ::realpath(argument.c_str(), nullptr);
  if (!resolved) return argument;
  std::string path = resolved;
  std::free(resolved);
  return core::PathToUri(path);
}

void prepareArticle(tmpl::TemplateSystem& system, content::Content& article) {
  structure::Channel channel;
  channel.Load(article.Columnid());
  auto tree = tmpl::loadedChannelTree();
  system.setCurrentColumn(tmpl::channelView(channel, tree->GetPath(channel.ID())));
  auto document = article.Fields();
  auto pages = article.pageList();
  if (!pages.empty()) {
    document->Add(Variant("content"), Variant(pages.front()->Content()));
    document->Add(Variant("pagenum"), Variant(1));
  }
  system.setCurrentDocument(document);
}

}  // namespace

int renderCommand(int argc, char** argv) {
  if (argc == 1 && isHelpOption(argv[0])) {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (argc != 3 || std::string_view(argv[1]) != "--article")
    return usageError("render", "expected TEMPLATE --article ID");
  char* end = nullptr;
  long id = std::strtol(argv[2], &end, 10);
  if (*argv[2] == '\0' || *end != '\0' || id < 1 || id > INT32_MAX)
    return usageError("render", "--article needs an article id");
  try {
    content::Content article;
    article.Load(static_cast<int32_t>(id));
    auto system = std::make_shared<tmpl::TemplateSystem>();
    prepareArticle(*system, article);
    std::string page;
    if (!system->render(templateUri(argv[0]), page)) {
      std::fprintf(stderr, "corvela render: %s\n", page.c_str());
      return kExitFailure;
    }
    std::fwrite(page.data(), 1, page.size(), stdout);
    return kExitOk;
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
}

}  // namespace corvela::tools
