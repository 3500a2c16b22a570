// The Err object: the script's view of the last run-time error, and the
// mapping of error numbers (HRESULTs from host objects, Err.Raise numbers)
// to the numbers VBScript reports.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/com_error.h"
#include "platform/automation/dispatch_table.h"

namespace corvela::vbs {

// The error that Err.Raise throws: Err already holds its fields (including
// HelpFile and HelpContext, which a plain ComError cannot carry).
class RaisedError : public ComError {
 public:
  using ComError::ComError;
};

// A run-time error about a named thing (a variable, procedure, class,
// ProgID). Err.Description has the standard text; an error that reaches the
// host is reported as "text: 'name'", as VBScript reports it.
class NamedError : public ComError {
 public:
  NamedError(int32_t number, std::string name)
      : ComError(number, kRuntimeErrorSource, standardErrorText(number)), name_(std::move(name)) {}
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

[[noreturn]] inline void raiseNamedError(int32_t number, std::string name) {
  throw NamedError(number, std::move(name));
}

// The number VBScript reports for an error number coming from a host
// object or Err.Raise: known HRESULTs map to VBScript numbers, facility
// 0xA HRESULTs to their low word, anything else stays as it is.
int32_t mapErrorNumber(int32_t number);

// The description VBScript gives a number: its standard text, or
// "Unknown runtime error".
std::string describeError(int32_t number);

class ErrObject : public DispatchObject<ErrObject> {
 public:
  static constexpr std::string_view kClassName = "ErrObject";
  static const DispatchTable<ErrObject>& dispatchTable();

  int32_t number() const { return number_; }
  const std::string& source() const { return source_; }
  const std::string& description() const { return description_; }

  // Records an error caught by On Error Resume Next.
  void record(const ComError& error);
  void clear();
  // Err.Raise: computes the fields by VBScript's rules, stores them and
  // throws RaisedError.
  [[noreturn]] void raise(Args args);

 private:
  int32_t number_ = 0;
  std::string source_;
  std::string description_;
  std::string helpFile_;
  int32_t helpContext_ = 0;
};

}  // namespace corvela::vbs
