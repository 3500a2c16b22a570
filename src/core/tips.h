// Tips (ProgID "Corvela.Tips"): short tip texts numbered 1, 2, 3, ... in the
// order added, handed out at random or in rotation per visitor key.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::core {

class Tips : public DispatchObject<Tips> {
 public:
  static constexpr std::string_view kClassName = "Tips";
  static const DispatchTable<Tips>& dispatchTable();

  // Without a key: a tip chosen at random. With a key: the tip after the one
  // this key saw last (1, 2, ..., highest, 1, ...), remembered as the server
  // cookie key + "_TipsID". "" when there are no tips or the chosen number
  // has no tip.
  std::string GetATip(std::string_view key = {});
  void AddATip(std::string_view tip);
};

}  // namespace corvela::core
