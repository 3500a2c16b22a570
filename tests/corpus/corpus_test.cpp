// The script corpus: each NAME.vbs runs under `corvela run`; its standard
// output must equal NAME.out, its standard error NAME.err (empty when there is
// no such file), and its exit status 1 when NAME.err exists, else 0.
// The script runs as a copy in a fresh folder, so it is named NAME.vbs in
// error lines. Directives on the first lines of a script:
//   ' locale: zh-CN         run with CORVELA_LOCALE set
//   ' args: a b /x:1        command-line arguments
//   ' exit: N               the expected exit status
//   ' known-gap: REASON     the engine does not yet do this; reported as skipped
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_env.h"

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Directives {
  std::string locale;
  std::string args;
  int exitStatus = -1;
  std::string knownGap;
};

Directives readDirectives(const fs::path& script) {
  Directives d;
  std::ifstream in(script);
  std::string line;
  while (std::getline(in, line) && line.rfind("' ", 0) == 0) {
    auto value = [&](const char* key) -> std::string {
      std::string prefix = std::string("' ") + key + ": ";
      return line.rfind(prefix, 0) == 0 ? line.substr(prefix.size()) : std::string();
    };
    if (auto v = value("locale"); !v.empty()) d.locale = v;
    if (auto v = value("args"); !v.empty()) d.args = v;
    if (auto v = value("exit"); !v.empty()) d.exitStatus = std::stoi(v);
    if (auto v = value("known-gap"); !v.empty()) d.knownGap = v;
  }
  return d;
}

std::vector<std::string> scriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(CORPUS_DIR))
    if (entry.path().extension() == ".vbs") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

class Corpus : public ::testing::TestWithParam<std::string> {};

TEST_P(Corpus, OutputMatches) {
  fs::path script = fs::path(CORPUS_DIR) / (GetParam() + ".vbs");
  Directives d = readDirectives(script);
  if (!d.knownGap.empty()) GTEST_SKIP() << "known gap: " << d.knownGap;
  corvela::testing::TempDir work;
  fs::path out = work.path() / "stdout", err = work.path() / "stderr";
  fs::path program = corvela::testing::buildDir() / "bin" / "corvela";
  std::string command = "cd '" + work.str() + "' && ";
  command += "CORVELA_REGISTRY='" + work.str() + "/registry' CORVELA_DATA='" + work.str() + "/data' ";
  if (!d.locale.empty()) command += "CORVELA_LOCALE=" + d.locale + " ";
  // The script runs from a copy in its own folder, so error lines name it
  // the same way everywhere and files it writes land there.
  fs::copy_file(script, work.path() / script.filename());
  command += "'" + program.string() + "' run '" + script.filename().string() + "' " + d.args;
  command += " >'" + out.string() + "' 2>'" + err.string() + "' </dev/null";
  int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw)) << command;
  int status = WEXITSTATUS(raw);

  fs::path expectedErr = fs::path(CORPUS_DIR) / (GetParam() + ".err");
  bool hasErr = fs::exists(expectedErr);
  int expectedStatus = d.exitStatus >= 0 ? d.exitStatus : (hasErr ? 1 : 0);
  EXPECT_EQ(readAll(fs::path(CORPUS_DIR) / (GetParam() + ".out")), readAll(out)) << "stdout of " << script;
  EXPECT_EQ(hasErr ? readAll(expectedErr) : std::string(), readAll(err)) << "stderr of " << script;
  EXPECT_EQ(expectedStatus, status) << "exit status of " << script;
}

INSTANTIATE_TEST_SUITE_P(Scripts, Corpus, ::testing::ValuesIn(scriptNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
