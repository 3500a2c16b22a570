// Parsing of ADO-style connection strings: "Key=Value;Key='Value';...".
#include <string>
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/db/connection.h"

namespace corvela::db {
namespace {

constexpr const char* kProviderNotFound = "Provider cannot be found. It may not be properly installed.";
constexpr const char* kConnectionSource = "ADODB.Connection";

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool isOneOf(std::string_view key, std::initializer_list<std::string_view> names) {
  for (std::string_view n : names)
    if (equalsIgnoreCase(key, n)) return true;
  return false;
}

struct Pair {
  std::string key;
  std::string value;
};

// Splits on ";" outside quotes. A value that starts with ' or " runs to the
// matching quote (a doubled quote stands for one).
std::vector<Pair> splitPairs(std::string_view text) {
  std::vector<Pair> pairs;
  size_t i = 0;
  while (i < text.size()) {
    size_t eq = text.find('=', i);
    size_t semi = text.find(';', i);
    if (eq == std::string_view::npos || (semi != std::string_view::npos && semi < eq)) {
      // A part without "=" carries nothing; skip it.
      i = semi == std::string_view::npos ? text.size() : semi + 1;
      continue;
    }
    Pair pair{std::string(trim(text.substr(i, eq - i))), {}};
    size_t v = eq + 1;
    while (v < text.size() && (text[v] == ' ' || text[v] == '\t')) ++v;
    if (v < text.size() && (text[v] == '\'' || text[v] == '"')) {
      const char quote = text[v++];
      while (v < text.size()) {
        if (text[v] == quote) {
          if (v + 1 < text.size() && text[v + 1] == quote) {
            pair.value += quote;
            v += 2;
            continue;
          }
          ++v;
          break;
        }
        pair.value += text[v++];
      }
      semi = text.find(';', v);
    } else {
      semi = text.find(';', v);
      pair.value = std::string(trim(text.substr(v, (semi == std::string_view::npos ? text.size() : semi) - v)));
    }
    pairs.push_back(std::move(pair));
    i = semi == std::string_view::npos ? text.size() : semi + 1;
  }
  return pairs;
}

}  // namespace

ConnectionSettings parseConnectionString(std::string_view connectionString) {
  ConnectionSettings settings;
  std::string provider;
  for (Pair& p : splitPairs(connectionString)) {
    if (isOneOf(p.key, {"Provider"})) provider = std::move(p.value);
    else if (isOneOf(p.key, {"Data Source"})) settings.dataSource = std::move(p.value);
    else if (isOneOf(p.key, {"Host", "Server"})) settings.host = std::move(p.value);
    else if (isOneOf(p.key, {"Port"})) settings.port = std::move(p.value);
    else if (isOneOf(p.key, {"Database", "Initial Catalog"})) settings.database = std::move(p.value);
    else if (isOneOf(p.key, {"User ID", "UID", "User"})) settings.user = std::move(p.value);
    else if (isOneOf(p.key, {"Password", "PWD"})) settings.password = std::move(p.value);
  }
  if (equalsIgnoreCase(provider, "SQLite")) {
    settings.provider = Provider::SQLite;
  } else if (equalsIgnoreCase(provider, "PostgreSQL")) {
    settings.provider = Provider::PostgreSQL;
  } else {
    throw ComError(kErrProviderNotFound, kConnectionSource, kProviderNotFound);
  }
  return settings;
}

}  // namespace corvela::db
