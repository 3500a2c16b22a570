// The results of RegExp.Execute: the Matches collection, each Match, and a
// match's SubMatches. Collections are 0-based and walk in order under For
// Each; an index outside them raises 5.
#include <memory>
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/vbscript/regexp.h"

namespace corvela::vbs {
namespace {

int32_t indexArg(Args args) { return args[0].dereferenced().toLong(); }

}  // namespace

Variant SubMatches::Item(int32_t index) const {
  if (index < 0 || index >= Count()) raiseRuntimeError(5);
  return items_[index];
}

std::unique_ptr<Enumerator> SubMatches::newEnum() { return enumerateSnapshot(items_); }

const DispatchTable<SubMatches>& SubMatches::dispatchTable() {
  static const DispatchTable<SubMatches> table{
      {.name = "Item",
       .get = [](SubMatches& self, Args args) -> Variant { return self.Item(indexArg(args)); },
       .minArgs = 1,
       .maxArgs = 1,
       .isDefault = true},
      {.name = "Count", .get = [](SubMatches& self, Args) -> Variant { return Variant(self.Count()); }},
  };
  return table;
}

std::shared_ptr<Object> Match::SubMatches() const { return std::make_shared<vbs::SubMatches>(subMatches_); }

const DispatchTable<Match>& Match::dispatchTable() {
  static const DispatchTable<Match> table{
      {.name = "Value",
       .get = [](Match& self, Args) -> Variant { return Variant(self.Value()); },
       .isDefault = true},
      {.name = "FirstIndex", .get = [](Match& self, Args) -> Variant { return Variant(self.FirstIndex()); }},
      {.name = "Length", .get = [](Match& self, Args) -> Variant { return Variant(self.Length()); }},
      // m.SubMatches(i) indexes the collection, as OLE's DispInvoke applied
      // arguments given to an argument-less property to its result.
      {.name = "SubMatches",
       .get = [](Match& self, Args args) -> Variant {
         if (args.empty()) return Variant(self.SubMatches());
         return static_cast<vbs::SubMatches&>(*self.SubMatches()).Item(indexArg(args));
       },
       .maxArgs = 1},
  };
  return table;
}

std::shared_ptr<Object> MatchCollection::Item(int32_t index) const {
  if (index < 0 || index >= Count()) raiseRuntimeError(5);
  return matches_[index];
}

std::unique_ptr<Enumerator> MatchCollection::newEnum() {
  std::vector<Variant> items(matches_.begin(), matches_.end());
  return enumerateSnapshot(std::move(items));
}

const DispatchTable<MatchCollection>& MatchCollection::dispatchTable() {
  static const DispatchTable<MatchCollection> table{
      {.name = "Item",
       .get = [](MatchCollection& self, Args args) -> Variant { return Variant(self.Item(indexArg(args))); },
       .minArgs = 1,
       .maxArgs = 1,
       .isDefault = true},
      {.name = "Count", .get = [](MatchCollection& self, Args) -> Variant { return Variant(self.Count()); }},
  };
  return table;
}

}  // namespace corvela::vbs
