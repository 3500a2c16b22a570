// Prints files per second for delivering a site of small files: the deploy
// service's queue runner to a local folder beside `cp -r`, and to an FTP
// server on loopback (scripts/ftp-test-server) beside `lftp mirror -R`, on
// the same files in the same run. Works in a private temporary
// installation removed at the end.
//
//   bench_deploy [files, default 10000] [local]   (4 KB each, 100 per folder;
//                                                  "local" skips FTP)
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/settings_key.h"
#include "deployservice/queue_runner.h"
#include "platform/db/connection.h"
#include "platform/db/schema.h"
#include "platform/registry/registry.h"

namespace {

namespace fsys = std::filesystem;
using Clock = std::chrono::steady_clock;

fsys::path root;
std::string connString;

void makeInstallation(int files) {
  std::string pattern = (fsys::temp_directory_path() / "corvela-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  root = pattern;
  setenv("CORVELA_REGISTRY", (root / "registry").c_str(), 1);
  setenv("CORVELA_DATA", root.c_str(), 1);
  fsys::create_directories(root / "registry");
  fsys::create_directories(root / "temp");
  connString = "Provider=SQLite;Data Source=" + (root / "corvela.db").string();
  using namespace corvela;
  registry::createKey(core::kSettingsKey);
  registry::writeValue(core::kSettingsKey, core::kConnStringValue, connString);
  registry::writeValue(core::kSettingsKey, core::kTempPathValue, (root / "temp").string());
  db::Connection connection(connString);
  db::applySchema(connection);

  std::string page(4096, 'x');
  for (int i = 0; i < files; ++i) {
    fsys::path file = root / "site" / ("d" + std::to_string(i / 100)) / ("page" + std::to_string(i) + ".html");
    fsys::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << page;
  }
}

// One snapshot and one queue row per site file, as the scanner writes them.
void queueSite(const std::string& method, const std::string& target, const std::string& server, int port) {
  corvela::db::Connection connection(connString);
  connection.begin();
  int id = 1;
  for (const auto& entry : fsys::recursive_directory_iterator(root / "site")) {
    if (!entry.is_regular_file()) continue;
    std::string snapshot = (root / "temp" / (std::to_string(id) + ".tmp")).string();
    fsys::copy_file(entry.path(), snapshot, fsys::copy_options::overwrite_existing);
    std::string relative = fsys::relative(entry.path(), root / "site").string();
    connection.execute("INSERT INTO dep_execution (id,source,target,sourcetype,method,server,port,username,password,"
                       "operation,status) VALUES (" + std::to_string(id) + ",'" + snapshot + "','" + target + "/" +
                       relative + "','file','" + method + "','" + server + "'," + std::to_string(port) +
                       ",'deploy','secret','create',1)");
    ++id;
  }
  connection.execute("DELETE FROM IDManager WHERE tablename='dep_execution'");
  connection.execute("INSERT INTO IDManager (tablename,id) VALUES ('dep_execution'," + std::to_string(id) + ")");
  connection.commit();
}

double runQueue() {
  corvela::deployservice::ServiceContext context;
  corvela::deployservice::QueueRunner runner(context);
  auto start = Clock::now();
  runner.runPass();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double runCommand(const std::string& command) {
  auto start = Clock::now();
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "bench_deploy: '%s' failed\n", command.c_str());
  return std::chrono::duration<double>(Clock::now() - start).count();
}

pid_t startFtpServer(const fsys::path& folder, int& port) {
  fsys::create_directories(folder);
  int out[2];
  if (pipe(out) != 0) std::exit(1);
  pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], 1);
    close(out[0]);
    std::string script = std::string(CORVELA_SOURCE_DIR) + "/scripts/ftp-test-server";
    execl("/usr/bin/python3", "/usr/bin/python3", script.c_str(), folder.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  std::string line;
  char c;
  while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
  close(out[0]);
  port = line.empty() ? 0 : std::stoi(line);
  return pid;
}

void report(const char* what, int files, double seconds) {
  std::printf("%-34s %8.0f files/s  (%.2f s)\n", what, files / seconds, seconds);
}

}  // namespace

int main(int argc, char** argv) {
  int files = argc > 1 ? std::atoi(argv[1]) : 10000;
  std::printf("Delivering %d files of 4 KB\n", files);
  makeInstallation(files);

  // Best of two, alternating: the file system's state (inodes freed a moment
  // ago by anyone) weighs on whichever runs first.
  double ours = 1e9, cp = 1e9;
  for (int round = 0; round < 2; ++round) {
    std::string suffix = std::to_string(round);
    cp = std::min(cp, runCommand("cp -r '" + (root / "site").string() + "' '" + (root / ("cp" + suffix)).string() + "'"));
    queueSite("NTFS", (root / ("mirror" + suffix)).string(), "", 0);
    ours = std::min(ours, runQueue());
  }
  report("queue runner, local folder", files, ours);
  report("cp -r", files, cp);
  std::printf("  runner / cp -r: %.2fx the time\n", ours / cp);

  int port = 0;
  pid_t server = argc > 2 && std::string(argv[2]) == "local" ? -1 : startFtpServer(root / "ftp", port);
  if (server > 0 && port == 0) {
    std::fprintf(stderr, "bench_deploy: the FTP server did not start\n");
  } else if (server > 0) {
    queueSite("FTP", "/runner", "127.0.0.1", port);
    double ftp = runQueue();
    double lftp = runCommand("lftp -u deploy,secret -p " + std::to_string(port) +
                             " -e 'set ftp:passive-mode on; mirror -R --parallel=1 " + (root / "site").string() +
                             " /lftp; quit' 127.0.0.1 >/dev/null");
    report("queue runner, FTP on loopback", files, ftp);
    report("lftp mirror -R", files, lftp);
    std::printf("  runner / lftp: %.2fx the time\n", ftp / lftp);
  }
  if (server > 0) {
    kill(server, SIGKILL);
    waitpid(server, nullptr, 0);
  }
  std::error_code ignored;
  fsys::remove_all(root, ignored);
  return 0;
}
