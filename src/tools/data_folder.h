// The data folder of an installation: $CORVELA_DATA, else /var/lib/corvela
// for root, else $XDG_DATA_HOME/corvela (default ~/.local/share/corvela).
#pragma once

#include <filesystem>

namespace corvela::tools {

std::filesystem::path dataFolder();

}  // namespace corvela::tools
