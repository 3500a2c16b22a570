// corvela-uninstall: asks, then removes the installation (uninstall_steps.h).
//   corvela-uninstall [--yes] [--manifest FILE]
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "uninstall_steps.h"

namespace {

constexpr const char* kIntro = "程序即将卸载Pellamar内容管理系统。";
constexpr const char* kQuestion = "真的要完全卸载Pellamar内容管理系统吗？";
constexpr const char* kDatabaseNotice = "请首先手工删除数据库Corvela！";
constexpr const char* kUsage =
    "Usage: corvela-uninstall [--yes] [--manifest FILE]\n"
    "\n"
    "Removes the installation named by the settings (InstallDir): stops and\n"
    "unregisters the deploy service, removes the component registrations, the\n"
    "web site entry, the script folder, the settings and the installed files.\n"
    "The database is not touched.\n"
    "\n"
    "  --yes            answer the question with yes\n"
    "  --manifest FILE  the install manifest (default: InstallDir/install_manifest.txt)\n";

bool askYesNo() {
  for (;;) {
    std::printf("%s (y/n) ", kQuestion);
    std::fflush(stdout);
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    if (answer == "y" || answer == "Y") return true;
    if (answer == "n" || answer == "N") return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  bool yes = false;
  corvela::uninstall::UninstallPlan plan;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--yes" || arg == "-y") {
      yes = true;
    } else if (arg == "--manifest" && i + 1 < argc) {
      plan.manifest = argv[++i];
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      std::fprintf(stderr, "corvela-uninstall: unknown argument '%s'\n\n%s", argv[i], kUsage);
      return 2;
    }
  }
  std::puts(kIntro);
  if (yes) std::printf("%s (y/n) y\n", kQuestion);
  else if (!askYesNo()) return 0;
  std::puts(kDatabaseNotice);
  plan.show = [](std::string_view line) {
    std::printf("%.*s\n", static_cast<int>(line.size()), line.data());
    std::fflush(stdout);
  };
  corvela::uninstall::runUninstall(plan);
  return 0;
}
