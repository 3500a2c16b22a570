// corvela channel tree|add|rm: shaping the channel tree from the shell,
// through ChannelManager (each change runs in one write transaction, so
// several of them at once never lose one another).
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/automation/com_error.h"
#include "platform/xml/xml_node.h"
#include "platform/xml/xml_node_list.h"
#include "structure/channel_manager.h"
#include "tools/cli_support.h"
#include "tools/commands.h"

namespace corvela::tools {
namespace {

constexpr const char* kHelp =
    "Usage: corvela channel tree\n"
    "       corvela channel add PATH [--template URI] [--name-method PATTERN]\n"
    "       corvela channel rm PATH\n"
    "\n"
    "tree  prints the channel tree, one channel a line as NAME (ID), indented\n"
    "      two spaces per level below the root \"/\".\n"
    "add   creates the channel PATH (such as /News/Sports) under its parent,\n"
    "      which must exist: a cms_channel row with the next id and its element\n"
    "      in the tree. The last segment is the channel's name and must be a\n"
    "      valid XML name. --template sets the article template (default\n"
    "      /templates/article.htm), --name-method the file naming rule (default\n"
    "      PATH/{@year}/{@uid}.htm in lower case).\n"
    "rm    deletes the channel PATH with its whole branch: every channel's rows\n"
    "      and content, then the elements. All or nothing.\n"
    "\n"
    "Errors print \"number source: description\" and exit with status 1.\n";

constexpr const char* kDefaultTemplate = "/templates/article.htm";
constexpr const char* kDefaultNamePattern = "/{@year}/{@uid}.htm";

std::string lowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

void printBranch(const xml::XmlNode& parent, int depth) {
  std::shared_ptr<xml::XmlNodeList> children = parent.childNodes();
  for (const auto& node : children->nodes()) {
    auto element = std::dynamic_pointer_cast<xml::XmlNode>(node);
    if (!element || element->nodeType() != xml::kElementNode) continue;
    std::printf("%*s%s (%s)\n", depth * 2, "", element->nodeName().c_str(),
                element->getAttribute("id").toString().c_str());
    printBranch(*element, depth + 1);
  }
}

int treeCommand() {
  structure::ChannelManager tree;
  tree.Init();
  std::printf("/\n");
  if (auto root = tree.document()->documentElement()) printBranch(*root, 1);
  return kExitOk;
}

int addCommand(int argc, char** argv) {
  if (argc < 1) return usageError("channel", "add: missing PATH");
  std::string path = argv[0];
  std::string templateUri = kDefaultTemplate;
  std::string trimmed = path.size() > 1 && path.back() == '/' ? path.substr(0, path.size() - 1) : path;
  std::string nameMethod = lowerAscii(trimmed) + kDefaultNamePattern;
  for (int i = 1; i < argc; ++i) {
    std::string_view option = argv[i];
    if (i + 1 >= argc) return usageError("channel", "add: " + std::string(option) + " needs a value");
    if (option == "--template") templateUri = argv[++i];
    else if (option == "--name-method") nameMethod = argv[++i];
    else return usageError("channel", "add: unknown option " + std::string(option));
  }
  structure::ChannelManager tree;
  int32_t id = tree.AddChannel(path, templateUri, nameMethod);
  std::printf("added %s (%d)\n", trimmed.c_str(), id);
  return kExitOk;
}

int removeCommand(int argc, char** argv) {
  if (argc != 1) return usageError("channel", "rm: expected one PATH");
  structure::ChannelManager tree;
  tree.Init();
  tree.DelChannel(argv[0]);
  std::printf("deleted %s\n", argv[0]);
  return kExitOk;
}

}  // namespace

int channelCommand(int argc, char** argv) {
  if (argc < 1) return usageError("channel", "expected tree, add or rm");
  std::string_view action = argv[0];
  if (isHelpOption(action)) {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  for (int i = 1; i < argc; ++i)
    if (isHelpOption(argv[i])) {
      std::fputs(kHelp, stdout);
      return kExitOk;
    }
  try {
    if (action == "tree") return argc == 1 ? treeCommand() : usageError("channel", "tree takes no arguments");
    if (action == "add") return addCommand(argc - 1, argv + 1);
    if (action == "rm") return removeCommand(argc - 1, argv + 1);
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
  return usageError("channel", "unknown action " + std::string(action));
}

}  // namespace corvela::tools
