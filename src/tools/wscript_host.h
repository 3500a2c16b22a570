// The WScript object of the console script host (`corvela run`), as cscript
// offered it: Echo, Arguments, Quit, the standard streams and CreateObject.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/dispatch_table.h"

namespace corvela::tools {

// Thrown by WScript.Quit; the host ends the script with the code.
struct ScriptQuit {
  int code;
};

// A standard stream as a TextStream-like object: StdOut, StdErr, StdIn.
class HostStream : public DispatchObject<HostStream> {
 public:
  static constexpr std::string_view kClassName = "TextStream";
  static const DispatchTable<HostStream>& dispatchTable();

  explicit HostStream(std::FILE* file) : file_(file) {}
  void write(std::string_view text);
  std::string readLine();
  std::string readAll();
  bool atEndOfStream();

 private:
  std::FILE* file_;
};

// WScript.Arguments: every argument after the script path; /name:value
// arguments are also reachable through Named, the others through Unnamed.
class HostArguments : public DispatchObject<HostArguments> {
 public:
  static constexpr std::string_view kClassName = "Object";
  static const DispatchTable<HostArguments>& dispatchTable();

  explicit HostArguments(std::vector<std::string> items) : items_(std::move(items)) {}
  const std::vector<std::string>& items() const { return items_; }
  std::unique_ptr<Enumerator> newEnum() override;

 private:
  std::vector<std::string> items_;
};

class WScriptHost : public DispatchObject<WScriptHost> {
 public:
  static constexpr std::string_view kClassName = "Object";
  static const DispatchTable<WScriptHost>& dispatchTable();

  WScriptHost(std::string scriptPath, std::vector<std::string> arguments);

  const std::string& scriptPath() const { return scriptPath_; }
  std::shared_ptr<HostStream> stdOut() const { return stdOut_; }
  std::shared_ptr<HostStream> stdErr() const { return stdErr_; }
  std::shared_ptr<HostStream> stdIn() const { return stdIn_; }
  std::shared_ptr<HostArguments> arguments() const { return arguments_; }

 private:
  std::string scriptPath_;
  std::shared_ptr<HostArguments> arguments_;
  std::shared_ptr<HostStream> stdOut_;
  std::shared_ptr<HostStream> stdErr_;
  std::shared_ptr<HostStream> stdIn_;
};

}  // namespace corvela::tools
