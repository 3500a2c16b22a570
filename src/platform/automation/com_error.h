// ComError: the error of every late-bound call, carrying the number, source
// and description that callers show to users exactly as they stand.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace corvela {

class ComError : public std::runtime_error {
 public:
  ComError(int32_t number, std::string source, std::string description)
      : std::runtime_error(description),
        number_(number),
        source_(std::move(source)),
        description_(std::move(description)) {}

  int32_t number() const noexcept { return number_; }
  const std::string& source() const noexcept { return source_; }
  const std::string& description() const noexcept { return description_; }

  // The same error re-raised under another source, as the data classes do.
  ComError withSource(std::string source) const { return ComError(number_, std::move(source), description_); }

 private:
  int32_t number_;
  std::string source_;
  std::string description_;
};

// Errors that VBScript's runtime defines itself (13 Type mismatch, 438, ...):
// the source is "Microsoft VBScript runtime error" and the description the
// standard English text of the number.
[[noreturn]] void raiseRuntimeError(int32_t number);
// The standard description of a VBScript run-time or compile error number,
// or "" when the number is not one of VBScript's.
const char* standardErrorText(int32_t number);

inline constexpr const char* kRuntimeErrorSource = "Microsoft VBScript runtime error";
inline constexpr const char* kCompileErrorSource = "Microsoft VBScript compilation error";

}  // namespace corvela
