// The steps of removing an installation, in their order: stop and
// unregister the deploy service, remove the component registrations that
// point into the installation, remove the web site entry and reload the web
// server where one is configured, delete the installed script folder,
// delete the settings key, and remove the files the install manifest lists.
// The database is left alone. Each step shows its label first; the steps
// that may fail do so quietly, as removing what is already gone is no error.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace corvela::uninstall {

struct UninstallPlan {
  // The manifest written by `cmake --install`; InstallDir +
  // "install_manifest.txt" when empty.
  std::string manifest;
  // Shows one line (a label or a notice).
  std::function<void(std::string_view)> show;
};

void runUninstall(const UninstallPlan& plan);

}  // namespace corvela::uninstall
