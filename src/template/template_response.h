// TemplateResponse (ProgID "Corvela.TemplateResponse"): the "Response"
// object of a template run; it collects what the script writes.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::tmpl {

class TemplateResponse : public DispatchObject<TemplateResponse> {
 public:
  static constexpr std::string_view kClassName = "TemplateResponse";
  static const DispatchTable<TemplateResponse>& dispatchTable();

  const std::string& OutputBuffer() const { return buffer_; }
  void setOutputBuffer(std::string_view text) { buffer_.assign(text); }
  void Clear() { buffer_.clear(); }
  // Appends the text as it is: no line break is added.
  void Output(std::string_view text) { buffer_.append(text); }

 private:
  std::string buffer_;
};

}  // namespace corvela::tmpl
