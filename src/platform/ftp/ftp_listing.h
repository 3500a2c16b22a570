// Reading directory listings: machine listings (MLSD, RFC 3659) and, for
// servers without them, the LIST formats servers commonly send (Unix "ls -l"
// lines and the DOS/IIS form). The folder itself and its parent ("." and
// "..", type cdir/pdir) are never entries.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvela::ftp {

struct ListingEntry {
  std::string name;
  bool isDirectory = false;
};

// The entry one line describes; nothing for blank, summary ("total 12") and
// self/parent lines.
std::optional<ListingEntry> parseMlsdLine(std::string_view line);
std::optional<ListingEntry> parseListLine(std::string_view line);

}  // namespace corvela::ftp
