// Integer lists and LIKE keys checked or escaped before they join a statement.
#include "core/sql_inputs.h"

#include <charconv>
#include <cstdint>

#include "core/record_values.h"
#include "platform/automation/com_error.h"

namespace corvela::core {
namespace {

std::string_view trimmedBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string checkedIntegerList(std::string_view list, std::string_view description) {
  std::string checked;
  size_t start = 0;
  while (true) {
    size_t comma = list.find(',', start);
    std::string_view item = trimmedBlanks(list.substr(start, comma == std::string_view::npos ? comma : comma - start));
    int32_t number = 0;
    auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), number);
    if (item.empty() || error != std::errc() || end != item.data() + item.size())
      throw ComError(kInputError, "", std::string(description));
    if (!checked.empty()) checked += ',';
    checked += std::to_string(number);
    if (comma == std::string_view::npos) return checked;
    start = comma + 1;
  }
}

std::string likeLiteralText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '\'') out += '\'';
    else if (c == '%' || c == '_' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

}  // namespace corvela::core
