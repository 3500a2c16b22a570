// The array built-ins Array, LBound and UBound. (Split, Join and Filter make
// and read arrays too but belong with the strings.)
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/vbscript/builtin.h"

namespace corvela::vbs {

namespace {

Variant arrayFn(BuiltinCall& call) {
  // Elements keep what was passed: objects stay objects.
  return Variant::array(std::vector<Variant>(call.args.begin(), call.args.end()));
}

// The bounds of the dimension LBound/UBound ask for: 13 when the argument is
// no array, 9 when the dimension does not exist (which includes every
// dimension of a dynamic array that was never given a size).
ArrayBound requestedBound(BuiltinCall& call) {
  Variant value = call.value(0);
  if (!value.isArray()) raiseRuntimeError(13);
  int32_t dimension = call.has(1) ? call.value(1).toLong() : 1;
  const std::vector<ArrayBound>& bounds = value.rawArray()->bounds;
  if (dimension < 1 || static_cast<size_t>(dimension) > bounds.size()) raiseRuntimeError(9);
  return bounds[dimension - 1];
}

Variant lboundFn(BuiltinCall& call) { return Variant(requestedBound(call).lower); }
Variant uboundFn(BuiltinCall& call) { return Variant(requestedBound(call).upper()); }

constexpr BuiltinFunction kArrayBuiltins[] = {
    {"Array", 0, kAnyArgCount, arrayFn},
    {"LBound", 1, 2, lboundFn},
    {"UBound", 1, 2, uboundFn},
};

}  // namespace

std::span<const BuiltinFunction> arrayBuiltins() { return kArrayBuiltins; }

}  // namespace corvela::vbs
