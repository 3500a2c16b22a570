// Texts that break SQL built as text when a value is pasted unquoted or a
// quote is lost: every record class stores and reads these back intact.
#pragma once

#include <string>
#include <vector>

namespace corvela::testing {

inline const std::vector<std::string>& trickyTexts() {
  static const std::vector<std::string> texts = {
      "O'Brien",
      "''",
      "'",
      "100% sure_%",
      "中文频道：新闻",
      "x'; DROP TABLE cms_acl; --",
      "' OR '1'='1",
      "a\"b\\c",
      "\xF0\x9F\x98\x80 emoji",
  };
  return texts;
}

}  // namespace corvela::testing
