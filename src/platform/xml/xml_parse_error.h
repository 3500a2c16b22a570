// XmlParseError: what the last loadXML/load of a document found wrong
// (errorCode 0 when it succeeded).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::xml {

// The parser's error numbers for the faults callers tell apart.
inline constexpr int32_t kMissingRootElement = static_cast<int32_t>(0xC00CE558u);
inline constexpr int32_t kMalformedDocument = static_cast<int32_t>(0xC00CE56Du);
inline constexpr int32_t kMultipleRoots = static_cast<int32_t>(0xC00CE555u);
inline constexpr int32_t kFileNotFound = static_cast<int32_t>(0x800C0006u);

struct ParseErrorInfo {
  int32_t errorCode = 0;
  std::string reason;
  std::string srcText;
  std::string url;
  int32_t line = 0;
  int32_t linepos = 0;
  int32_t filepos = 0;
};

class XmlParseError : public DispatchObject<XmlParseError> {
 public:
  static constexpr std::string_view kClassName = "IXMLDOMParseError";
  static const DispatchTable<XmlParseError>& dispatchTable();

  XmlParseError() = default;
  explicit XmlParseError(ParseErrorInfo info) : info_(std::move(info)) {}

  int32_t errorCode() const { return info_.errorCode; }
  std::string reason() const { return info_.reason; }
  std::string srcText() const { return info_.srcText; }
  std::string url() const { return info_.url; }
  int32_t line() const { return info_.line; }
  int32_t linepos() const { return info_.linepos; }
  int32_t filepos() const { return info_.filepos; }

 private:
  ParseErrorInfo info_;
};

}  // namespace corvela::xml
