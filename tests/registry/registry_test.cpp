// Tests of the file-backed registry: keys and values, case rules, odd
// characters, refusal of unsafe paths, and writers running in parallel.
#include "platform/registry/registry.h"

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "support/temp_env.h"

namespace corvela::registry {
namespace {

using corvela::testing::IsolatedTest;

constexpr const char* kSettings = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvela";

class RegistryTest : public IsolatedTest {
 protected:
  void SetUp() override { ASSERT_TRUE(createKey(kSettings)); }
  std::filesystem::path valueFile() const {
    return registryDir() / "HKEY_LOCAL_MACHINE" / "SOFTWARE" / "Corvela" / "@values";
  }
  static std::string contentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
};

TEST_F(RegistryTest, RootFolderFollowsEnvironmentAndValuesRoundTrip) {
  EXPECT_EQ(rootFolder(), registryDir());
  EXPECT_FALSE(readValue(kSettings, "ConnString").has_value());
  ASSERT_TRUE(writeValue(kSettings, "ConnString", "Provider=SQLite;Data Source=/x.db"));
  EXPECT_EQ(readValue(kSettings, "ConnString"), "Provider=SQLite;Data Source=/x.db");
  ASSERT_TRUE(writeValue(kSettings, "ConnString", "second"));
  EXPECT_EQ(readValue(kSettings, "ConnString"), "second");
  EXPECT_EQ(valueNames(kSettings), std::vector<std::string>{"ConnString"});
}

TEST_F(RegistryTest, ReadsSeeEveryChangeMadeSinceTheLastRead) {
  ASSERT_TRUE(writeValue(kSettings, "SiteDirectory", "/aaa"));
  EXPECT_EQ(readValue(kSettings, "SiteDirectory"), "/aaa");
  ASSERT_TRUE(writeValue(kSettings, "SiteDirectory", "/bbb"));
  EXPECT_EQ(readValue(kSettings, "SiteDirectory"), "/bbb") << "a rewrite of the same size";

  const char* key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Other";
  ASSERT_TRUE(createKey(key));
  ASSERT_TRUE(writeValue(key, "v", "first"));
  EXPECT_EQ(readValue(key, "v"), "first");
  ASSERT_TRUE(deleteKey(key));
  EXPECT_FALSE(readValue(key, "v").has_value()) << "a deleted key is not read from memory";
  ASSERT_TRUE(createKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\OTHER"));
  ASSERT_TRUE(writeValue(key, "v", "second"));
  EXPECT_EQ(readValue(key, "v"), "second") << "a key made again under another case is found";

  std::filesystem::remove(registryDir() / "HKEY_LOCAL_MACHINE" / "SOFTWARE" / "OTHER" / "@values");
  EXPECT_FALSE(readValue(key, "v").has_value()) << "a value file removed by hand";
}

TEST_F(RegistryTest, WriteIntoMissingKeyCreatesNothing) {
  const char* missing = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Missing\\Deeper";
  EXPECT_FALSE(writeValue(missing, "a", "b"));
  EXPECT_FALSE(keyExists(missing));
  EXPECT_FALSE(keyExists("HKEY_LOCAL_MACHINE\\SOFTWARE\\Missing"));
  EXPECT_FALSE(readValue(missing, "a").has_value());
  EXPECT_FALSE(std::filesystem::exists(registryDir() / "HKEY_LOCAL_MACHINE" / "SOFTWARE" / "Missing"));
}

TEST_F(RegistryTest, NamesCompareCaseInsensitivelyKeepTheirFirstCaseAndTakeSlashes) {
  ASSERT_TRUE(writeValue("hkey_local_machine\\software\\CORVELA", "SiteDirectory", "/srv/site"));
  EXPECT_EQ(readValue(kSettings, "sitedirectory"), "/srv/site");
  ASSERT_TRUE(writeValue(kSettings, "SITEDIRECTORY", "/srv/other"));
  EXPECT_EQ(valueNames(kSettings), std::vector<std::string>{"SiteDirectory"});
  EXPECT_EQ(readValue(kSettings, "SiteDirectory"), "/srv/other");

  ASSERT_TRUE(createKey("HKEY_LOCAL_MACHINE\\Software\\corvela\\Tasks"));
  ASSERT_TRUE(createKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\CORVELA\\TASKS\\One"));
  EXPECT_EQ(subkeyNames(kSettings), std::vector<std::string>{"Tasks"});
  EXPECT_EQ(subkeyNames("HKEY_LOCAL_MACHINE\\SOFTWARE"), std::vector<std::string>{"Corvela"});
  // Greek and Cyrillic names fold too.
  ASSERT_TRUE(createKey("HKEY_CURRENT_USER\\ΑΒΓ\\Дом"));
  EXPECT_TRUE(keyExists("HKEY_CURRENT_USER\\αβγ\\дом"));
  // A slash reads as a backslash; empty segments are skipped.
  ASSERT_TRUE(writeValue("HKEY_LOCAL_MACHINE/SOFTWARE/Corvela", "TempPath", "/tmp/c"));
  EXPECT_EQ(readValue("HKEY_LOCAL_MACHINE\\\\SOFTWARE\\Corvela\\", "TempPath"), "/tmp/c");
}

TEST_F(RegistryTest, ValuesHoldAnyBytes) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"empty", ""}, {"newlines", "line1\nline2\r\n\n"}, {"equals", "a=b==c"},
      {"nul", std::string("before\0after", 12)}, {"spaces", "  padded  "}, {"chinese", "错误的数据库连接串：x"},
      {"digits", "12 34\n5"}, {"big", std::string(100000, 'x') + "\n"},
      {std::string("name with\nnewline = and\0nul", 27), "v"}, {"", "the default value"},
  };
  for (const auto& [name, value] : cases) ASSERT_TRUE(writeValue(kSettings, name, value)) << name;
  for (const auto& [name, value] : cases) EXPECT_EQ(readValue(kSettings, name), value) << name;
  EXPECT_EQ(valueNames(kSettings).size(), cases.size());
}

TEST_F(RegistryTest, UnsafeOrUnknownKeyPathsAreRefused) {
  const std::vector<std::string> refused = {
      "",
      "SOFTWARE\\Corvela",
      "HKEY_NOWHERE\\x",
      "HKEY_LOCAL_MACHINE\\..\\..\\outside",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\.",
      std::string("HKEY_LOCAL_MACHINE\\a\0b", 22),
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\@values",
  };
  for (const std::string& path : refused) {
    EXPECT_FALSE(createKey(path)) << path;
    EXPECT_FALSE(writeValue(path, "v", "x")) << path;
  }
  EXPECT_FALSE(std::filesystem::exists(root_.path() / "outside"));
}

TEST_F(RegistryTest, DeleteKeyAndValueButNeverAPredefinedKey) {
  ASSERT_TRUE(createKey(std::string(kSettings) + "\\Sub\\Leaf"));
  ASSERT_TRUE(writeValue(std::string(kSettings) + "\\Sub\\Leaf", "x", "1"));
  ASSERT_TRUE(writeValue(kSettings, "keep", "1"));
  ASSERT_TRUE(writeValue(kSettings, "drop", "2"));
  EXPECT_TRUE(deleteValue(kSettings, "DROP"));
  EXPECT_FALSE(deleteValue(kSettings, "drop"));
  EXPECT_EQ(valueNames(kSettings), std::vector<std::string>{"keep"});

  EXPECT_TRUE(deleteKey(std::string(kSettings) + "\\SUB"));
  EXPECT_FALSE(keyExists(std::string(kSettings) + "\\Sub\\Leaf"));
  EXPECT_FALSE(deleteKey(std::string(kSettings) + "\\Sub"));
  EXPECT_FALSE(deleteKey("HKEY_LOCAL_MACHINE"));
  EXPECT_TRUE(keyExists(kSettings));
  // Predefined keys always exist.
  EXPECT_TRUE(keyExists("HKEY_CLASSES_ROOT"));
  ASSERT_TRUE(writeValue("HKEY_CLASSES_ROOT", "x", "y"));
  EXPECT_EQ(readValue("hkey_classes_root", "X"), "y");
}

TEST_F(RegistryTest, ComputerNameReadsTheHostName) {
  char host[256] = {};
  ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
  const char* key = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName";
  EXPECT_EQ(readValue(key, "ComputerName"), std::string(host));
  EXPECT_EQ(readValue("hkey_local_machine/system/currentcontrolset/control/computername/activecomputername",
                      "computername"),
            std::string(host));
  EXPECT_TRUE(keyExists(key));
  EXPECT_FALSE(writeValue(key, "ComputerName", "other"));
  EXPECT_EQ(valueNames(key), std::vector<std::string>{"ComputerName"});
}

TEST_F(RegistryTest, DamagedValueFileIsLeftAloneAndStoreValueSaysWhy) {
  const auto file = valueFile();
  EXPECT_EQ(storeValue(kSettings, "x", "1"), "");
  EXPECT_EQ(readValue(kSettings, "x"), "1");
  EXPECT_EQ(storeValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Missing", "x", "1"),
            "the key HKEY_LOCAL_MACHINE\\SOFTWARE\\Missing does not exist");
  // Not a value file, cut short, a bad header, a length past the end: each is left as it is.
  for (const char* damaged : {"not a value file", "CorvelaRegistry 1\n1 1\nx", "Corvela 9\n",
                              "CorvelaRegistry 1\n1 99\nx1\n"}) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << damaged;
    EXPECT_FALSE(readValue(kSettings, "x").has_value()) << damaged;
    EXPECT_FALSE(writeValue(kSettings, "x", "y"));
    EXPECT_EQ(storeValue(kSettings, "y", "2"), file.string() + " is damaged or cannot be read; it was left as it is");
    EXPECT_EQ(contentOf(file), damaged);
  }
}

TEST_F(RegistryTest, StoreValueIntoAReadOnlyKeyNamesTheFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  auto folder = valueFile().parent_path();
  ASSERT_TRUE(writeValue(kSettings, "x", "1"));
  std::filesystem::permissions(folder, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  std::string problem = storeValue(kSettings, "x", "2");
  std::filesystem::permissions(folder, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  EXPECT_EQ(problem, (folder / "@values").string() + " cannot be written: Permission denied");
  EXPECT_EQ(readValue(kSettings, "x"), "1");
}

TEST_F(RegistryTest, ParallelThreadsLoseNoValues) {
  constexpr int kThreads = 8, kWrites = 25;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([t] {
      for (int i = 0; i < kWrites; ++i)
        writeValue(kSettings, "t" + std::to_string(t) + "_" + std::to_string(i), std::to_string(i));
    });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(valueNames(kSettings).size(), size_t{kThreads * kWrites});
  EXPECT_EQ(readValue(kSettings, "t7_24"), "24");
}

TEST_F(RegistryTest, ParallelProcessesLoseNoValues) {
  constexpr int kProcesses = 6, kWrites = 20;
  std::vector<pid_t> children;
  for (int p = 0; p < kProcesses; ++p) {
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      bool ok = true;
      for (int i = 0; i < kWrites; ++i)
        ok = writeValue(kSettings, "p" + std::to_string(p) + "_" + std::to_string(i), "v") && ok;
      _exit(ok ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(valueNames(kSettings).size(), size_t{kProcesses * kWrites});
}

}  // namespace
}  // namespace corvela::registry
