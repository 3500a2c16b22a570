// Tips over the tips table, with the rotation position in ServerCookie.
//
// The engine once failed with a conversion error when the table held no
// tips (the highest number was Null); that case gives "" here.
#include "core/tips.h"

#include <charconv>
#include <chrono>
#include <random>

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/server_cookie.h"
#include "core/sql_literals.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"

namespace corvela::core {
namespace {

constexpr std::string_view kRotationSuffix = "_TipsID";

int32_t randomTipNumber(int32_t highest) {
  std::mt19937 generator(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::uniform_real_distribution<double> fraction(0.0, 1.0);
  return 1 + static_cast<int32_t>(fraction(generator) * highest);
}

// The number after the one stored for the key; 1 when nothing usable is
// stored or the stored number has reached the highest.
int32_t nextTipNumber(std::string_view stored, int32_t highest) {
  int64_t last = 0;
  auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), last);
  if (stored.empty() || error != std::errc() || end != stored.data() + stored.size()) return 1;
  return last < highest ? static_cast<int32_t>(last + 1) : 1;
}

}  // namespace

std::string Tips::GetATip(std::string_view key) {
  comDAL dal;
  auto highestRow = dal.DoSelect("SELECT Max(tid) as totaltip FROM tips");
  if (highestRow->eof() || highestRow->value("totaltip").isNull()) return {};
  int32_t highest = highestRow->value("totaltip").toLong();

  int32_t number;
  if (key.empty()) {
    number = randomTipNumber(highest);
  } else {
    ServerCookie cookie;
    std::string name = std::string(key) + std::string(kRotationSuffix);
    number = nextTipNumber(cookie.ReadValue(name), highest);
    cookie.WriteValue(name, std::to_string(number));
  }

  auto tipRow = dal.DoSelect("SELECT tip FROM tips WHERE tid=" + std::to_string(number));
  if (tipRow->eof()) return {};
  const Variant& tip = tipRow->value("tip");
  return tip.isNull() ? std::string() : tip.toString();
}

void Tips::AddATip(std::string_view tip) {
  int32_t tid = newID("tips");
  comDAL dal;
  dal.execCommand("INSERT INTO tips (tid,tip) VALUES (" + std::to_string(tid) + "," + quotedSqlText(tip) + ")");
}

const DispatchTable<Tips>& Tips::dispatchTable() {
  static const DispatchTable<Tips> table = Members<Tips>()
      .method<&Tips::GetATip>("GetATip", {""})
      .method<&Tips::AddATip>("AddATip")
      .build();
  return table;
}

}  // namespace corvela::core
