// The string built-ins that make or read arrays: Split, Join and Filter.
// Their arrays are one-dimensional with lower bound 0; an empty result has
// UBound -1.
#include <string>
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/text/utf8_units.h"
#include "platform/vbscript/builtins_string_parts.h"
#include "platform/vbscript/builtins_text.h"

namespace corvela::vbs::string_builtins {

using builtin_text::Compare;
using builtin_text::TextArg;

namespace {

Variant emptyArray() { return Variant::array(std::vector<ArrayBound>{{0, 0}}); }

// The array argument of Join and Filter: 13 for anything but an array of
// Variants (Null included, as LBound and UBound answer), 5 for more than one
// dimension.
Variant oneDimensionalArray(BuiltinCall& call, size_t index) {
  Variant value = call.value(index);
  if (!value.isArray() || value.rawArray()->isBytes) raiseRuntimeError(13);
  if (value.rawArray()->bounds.size() > 1) raiseRuntimeError(5);
  return value;
}

// An element as text; an element that is a String is viewed, not copied.
std::string_view elementText(const Variant& element, std::string& holder) {
  if (element.isString()) return element.rawString();
  holder = element.toString();
  return holder;
}

}  // namespace

// Split(expression[, delimiter[, count[, compare]]]).
Variant splitFn(BuiltinCall& call) {
  TextArg expression(call, 0);
  if (expression.isNull()) raiseRuntimeError(94);
  std::string_view delimiter = " ";
  std::string delimiterHolder;
  if (call.has(1)) {
    TextArg given(call, 1);
    if (given.isNull()) raiseRuntimeError(94);
    delimiterHolder = std::string(given.view());
    delimiter = delimiterHolder;
  }
  int32_t count = call.has(2) ? call.value(2).toLong() : -1;
  if (count < -1) raiseRuntimeError(5);
  Compare mode = builtin_text::compareArg(call, 3);

  std::string_view text = expression.view();
  if (text.empty() || count == 0) return emptyArray();
  std::vector<Variant> items;
  if (delimiter.empty()) {
    items.push_back(expression.whole());
    return Variant::array(std::move(items));
  }
  bool ascii = expression.isAscii();
  builtin_text::TextSearch search(text, delimiter, mode);
  size_t begin = 0;
  while (count == -1 || items.size() + 1 < static_cast<size_t>(count)) {
    size_t found = search.find(begin);
    if (found == std::string_view::npos) break;
    items.push_back(builtin_text::pieceOf(text.substr(begin, found - begin), ascii));
    begin = found + delimiter.size();
  }
  // The last element holds the rest, delimiters and all when count ran out.
  items.push_back(builtin_text::pieceOf(text.substr(begin), ascii));
  return Variant::array(std::move(items));
}

// Join(list[, delimiter]): elements as CStr gives them, joined as "&" joins
// strings (half units and surrogate halves meet as they would).
Variant joinFn(BuiltinCall& call) {
  Variant list = oneDimensionalArray(call, 0);
  std::string_view delimiter = " ";
  std::string delimiterHolder;
  if (call.has(1)) {
    TextArg given(call, 1);
    if (given.isNull()) raiseRuntimeError(94);
    delimiterHolder = std::string(given.view());
    delimiter = delimiterHolder;
  }
  const std::vector<Variant>& items = list.rawArray()->items;
  std::string out;
  std::string holder;
  for (size_t i = 0; i < items.size(); ++i) {
    std::string_view piece = elementText(items[i].dereferenced(), holder);
    builtin_text::checkStringSize(uint64_t{out.size()} + (i > 0 ? delimiter.size() : 0) + piece.size());
    if (i > 0) text::appendJoined(out, delimiter);
    text::appendJoined(out, piece);
  }
  return Variant(out);
}

// Filter(list, value[, include[, compare]]): the elements that contain
// `value` (or, with include False, those that do not).
Variant filterFn(BuiltinCall& call) {
  if (call.value(0).isNull()) raiseRuntimeError(94);
  Variant list = oneDimensionalArray(call, 0);
  TextArg value(call, 1);
  if (value.isNull()) raiseRuntimeError(94);
  bool include = call.has(2) ? call.value(2).toBool() : true;
  Compare mode = builtin_text::compareArg(call, 3);
  std::vector<Variant> kept;
  std::string holder;
  for (const Variant& item : list.rawArray()->items) {
    Variant element = item.dereferenced();
    std::string_view text = elementText(element, holder);
    bool contains = builtin_text::TextSearch(text, value.view(), mode).find(0) != std::string_view::npos;
    if (contains != include) continue;
    kept.push_back(element.isString() ? element : Variant(text));
  }
  if (kept.empty()) return emptyArray();
  return Variant::array(std::move(kept));
}

}  // namespace corvela::vbs::string_builtins
