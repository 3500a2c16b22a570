// `corvela run FILE.vbs [ARGS...]`: the console script host, as cscript was.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/db/database_classes.h"
#include "platform/scripting/scripting_classes.h"
#include "platform/text/codepage.h"
#include "platform/vbscript/script_engine.h"
#include "platform/xml/xml_classes.h"
#include "tools/cli_support.h"
#include "tools/commands.h"
#include "tools/wscript_host.h"

namespace corvela::tools {

namespace {

constexpr const char* kRunHelp =
    "Usage: corvela run FILE.vbs [ARGS...]\n"
    "\n"
    "Runs a VBScript file with a WScript object as cscript did: WScript.Echo,\n"
    "WScript.Arguments, WScript.Quit, WScript.StdOut/StdErr/StdIn, CreateObject.\n"
    "The file is read in the system code page ($CORVELA_CODEPAGE, default UTF-8).\n"
    "An uncaught error prints 'FILE(line, column) source: description' to stderr\n"
    "and the exit status is 1; WScript.Quit N exits with N (255 when N is outside\n"
    "0..255, so a failure code never reads as success).\n";

bool readFile(const char* path, std::string& text) {
  // A folder opens as a stream that reads nothing: it would run as an empty
  // script.
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return false;
  text = text::fromCodePage(bytes.str());
  // A UTF-8 byte order mark is not part of the script.
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  return true;
}

void printScriptError(const char* file, const vbs::ScriptError& error) {
  std::fflush(stdout);
  std::string line = std::string(file) + "(" + std::to_string(error.line) + ", " + std::to_string(error.column) +
                     ") " + error.source + ": " + error.description + "\n";
  std::string bytes = text::toCodePage(line);
  std::fwrite(bytes.data(), 1, bytes.size(), stderr);
}

}  // namespace

int runCommand(int argc, char** argv) {
  if (argc < 1) return usageError("run", "missing the script file");
  if (isHelpOption(argv[0])) {
    std::fputs(kRunHelp, stdout);
    return kExitOk;
  }
  const char* file = argv[0];
  std::string code;
  if (!readFile(file, code)) {
    std::fprintf(stderr, "corvela run: cannot read '%s'\n", file);
    return kExitFailure;
  }
  scripting::registerScriptingClasses();
  db::registerDatabaseClasses();
  xml::registerXmlClasses();

  auto host = std::make_shared<WScriptHost>(file, std::vector<std::string>(argv + 1, argv + argc));
  vbs::ScriptEngine engine;
  engine.addObject("WScript", host);
  int status = kExitOk;
  try {
    if (!engine.addCode(code)) {
      printScriptError(file, engine.error());
      status = kExitFailure;
    }
  } catch (const ScriptQuit& quit) {
    status = quit.code >= 0 && quit.code <= 255 ? quit.code : 255;
  }
  std::fflush(stdout);
  return status;
}

}  // namespace corvela::tools
