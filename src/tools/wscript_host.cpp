// The WScript object of `corvela run`. Text leaves and enters the process in
// the system code page.
#include "tools/wscript_host.h"

#include <filesystem>
#include <thread>

#include "platform/automation/collection.h"
#include "platform/automation/com_error.h"
#include "platform/text/codepage.h"

namespace corvela::tools {

namespace {

// Echo shows each argument as CStr would, except that Null shows as "Null".
std::string echoText(const Variant& value) {
  Variant v = value.dereferenced();
  if (v.isNull()) return "Null";
  return v.toString();
}

std::string joinedForEcho(Args args) {
  std::string line;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i].isMissing()) continue;
    if (!line.empty() || i > 0) line += ' ';
    line += echoText(args[i]);
  }
  return line;
}

bool isNamedArgument(const std::string& argument) { return argument.size() > 1 && argument[0] == '/'; }

// A /name:value argument split into its name and value ("" for /name).
std::pair<std::string, std::string> splitNamed(const std::string& argument) {
  size_t colon = argument.find(':');
  if (colon == std::string::npos) return {argument.substr(1), ""};
  return {argument.substr(1, colon - 1), argument.substr(colon + 1)};
}

std::shared_ptr<Collection> namedArguments(const std::vector<std::string>& items) {
  auto named = std::make_shared<Collection>();
  for (const std::string& item : items) {
    if (!isNamedArgument(item)) continue;
    auto [name, value] = splitNamed(item);
    if (!named->find(name)) named->add(Variant(value), name);
  }
  return named;
}

std::shared_ptr<HostArguments> unnamedArguments(const std::vector<std::string>& items) {
  std::vector<std::string> unnamed;
  for (const std::string& item : items)
    if (!isNamedArgument(item)) unnamed.push_back(item);
  return std::make_shared<HostArguments>(std::move(unnamed));
}

Variant argumentAt(const HostArguments& self, Args args) {
  int32_t index = args[0].dereferenced().toLong();
  if (index < 0 || static_cast<size_t>(index) >= self.items().size()) raiseRuntimeError(9);
  return Variant(self.items()[static_cast<size_t>(index)]);
}

}  // namespace

void HostStream::write(std::string_view text) {
  std::string bytes = text::toCodePage(text);
  std::fwrite(bytes.data(), 1, bytes.size(), file_);
}

std::string HostStream::readLine() {
  if (atEndOfStream()) raiseRuntimeError(62);
  std::string line;
  int c;
  while ((c = std::fgetc(file_)) != EOF && c != '\n') line += static_cast<char>(c);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return text::fromCodePage(line);
}

std::string HostStream::readAll() {
  std::string bytes;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0) bytes.append(buffer, n);
  return text::fromCodePage(bytes);
}

bool HostStream::atEndOfStream() {
  int c = std::fgetc(file_);
  if (c == EOF) return true;
  std::ungetc(c, file_);
  return false;
}

const DispatchTable<HostStream>& HostStream::dispatchTable() {
  static const DispatchTable<HostStream> table{
      {.name = "Write",
       .call = [](HostStream& self, Args args) -> Variant {
         self.write(args[0].dereferenced().toString());
         return {};
       },
       .minArgs = 1, .maxArgs = 1},
      {.name = "WriteLine",
       .call = [](HostStream& self, Args args) -> Variant {
         self.write((hasArg(args, 0) ? args[0].dereferenced().toString() : std::string()) + "\n");
         return {};
       },
       .minArgs = 0, .maxArgs = 1},
      {.name = "WriteBlankLines",
       .call = [](HostStream& self, Args args) -> Variant {
         int32_t count = args[0].dereferenced().toLong();
         if (count < 0) raiseRuntimeError(5);
         self.write(std::string(static_cast<size_t>(count), '\n'));
         return {};
       },
       .minArgs = 1, .maxArgs = 1},
      {.name = "ReadLine", .call = [](HostStream& self, Args) -> Variant { return self.readLine(); }},
      {.name = "ReadAll", .call = [](HostStream& self, Args) -> Variant { return self.readAll(); }},
      {.name = "AtEndOfStream", .get = [](HostStream& self, Args) -> Variant { return self.atEndOfStream(); }},
      {.name = "Close", .call = [](HostStream&, Args) -> Variant { return {}; }},
  };
  return table;
}

std::unique_ptr<Enumerator> HostArguments::newEnum() {
  return enumerateSnapshot(std::vector<Variant>(items_.begin(), items_.end()));
}

const DispatchTable<HostArguments>& HostArguments::dispatchTable() {
  static const DispatchTable<HostArguments> table{
      {.name = "Item", .get = [](HostArguments& self, Args args) { return argumentAt(self, args); },
       .minArgs = 1, .maxArgs = 1, .isDefault = true},
      {.name = "Count",
       .call = [](HostArguments& self, Args) -> Variant { return static_cast<int32_t>(self.items().size()); }},
      {.name = "Length",
       .get = [](HostArguments& self, Args) -> Variant { return static_cast<int32_t>(self.items().size()); }},
      {.name = "Named",
       .get = [](HostArguments& self, Args) -> Variant { return Variant(namedArguments(self.items())); }},
      {.name = "Unnamed",
       .get = [](HostArguments& self, Args) -> Variant { return Variant(unnamedArguments(self.items())); }},
  };
  return table;
}

WScriptHost::WScriptHost(std::string scriptPath, std::vector<std::string> arguments)
    : scriptPath_(std::move(scriptPath)),
      arguments_(std::make_shared<HostArguments>(std::move(arguments))),
      stdOut_(std::make_shared<HostStream>(stdout)),
      stdErr_(std::make_shared<HostStream>(stderr)),
      stdIn_(std::make_shared<HostStream>(stdin)) {}

const DispatchTable<WScriptHost>& WScriptHost::dispatchTable() {
  static const DispatchTable<WScriptHost> table{
      {.name = "Echo",
       .call = [](WScriptHost& self, Args args) -> Variant {
         self.stdOut()->write(joinedForEcho(args) + "\n");
         return {};
       },
       .minArgs = 0, .maxArgs = -1},
      {.name = "Arguments", .get = [](WScriptHost& self, Args) -> Variant { return Variant(self.arguments()); }},
      {.name = "Quit",
       .call = [](WScriptHost&, Args args) -> Variant {
         throw ScriptQuit{hasArg(args, 0) ? args[0].dereferenced().toLong() : 0};
       },
       .minArgs = 0, .maxArgs = 1},
      {.name = "ScriptName",
       .get = [](WScriptHost& self, Args) -> Variant {
         return std::filesystem::path(self.scriptPath()).filename().string();
       }},
      {.name = "ScriptFullName",
       .get = [](WScriptHost& self, Args) -> Variant {
         return std::filesystem::absolute(self.scriptPath()).lexically_normal().string();
       }},
      {.name = "Name", .get = [](WScriptHost&, Args) -> Variant { return "Corvela Script Host"; }},
      {.name = "Version", .get = [](WScriptHost&, Args) -> Variant { return "5.8"; }},
      {.name = "StdOut", .get = [](WScriptHost& self, Args) -> Variant { return Variant(self.stdOut()); }},
      {.name = "StdErr", .get = [](WScriptHost& self, Args) -> Variant { return Variant(self.stdErr()); }},
      {.name = "StdIn", .get = [](WScriptHost& self, Args) -> Variant { return Variant(self.stdIn()); }},
      {.name = "Sleep",
       .call = [](WScriptHost& self, Args args) -> Variant {
         int32_t ms = args[0].dereferenced().toLong();
         if (ms > 0) {
           std::fflush(stdout);
           std::this_thread::sleep_for(std::chrono::milliseconds(ms));
         }
         return {};
       },
       .minArgs = 1, .maxArgs = 1},
      {.name = "CreateObject",
       .call = [](WScriptHost&, Args args) -> Variant {
         return Variant(createObject(args[0].dereferenced().toString()));
       },
       .minArgs = 1, .maxArgs = 2},
  };
  return table;
}

}  // namespace corvela::tools
