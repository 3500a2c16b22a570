// A library registered under HKEY_CLASSES_ROOT\<ProgID>\InprocServer for the
// ProgID factory tests. It knows one ProgID, "Plugin.Thing"; its objects
// answer the member "ProgId" with the ProgID they were created for. Its
// symbols from the automation layer resolve against the test program.
#include <string>

#include "platform/automation/object.h"
#include "platform/automation/progid_factory.h"

namespace {

class PluginThing : public corvela::Object {
 public:
  explicit PluginThing(std::string progId) : progId_(std::move(progId)) {}
  std::string_view className() const override { return "PluginThing"; }
  corvela::DispId memberId(std::string_view name) const override { return name == "ProgId" ? 1 : corvela::DISPID_UNKNOWN; }
  void invoke(corvela::DispId, corvela::InvokeKind, std::span<corvela::Variant>, corvela::Variant& result) override {
    result = corvela::Variant(progId_);
  }

 private:
  std::string progId_;
};

}  // namespace

extern "C" corvela::Object* corvela_create_object(const char* progid) {
  if (std::string(progid) != "Plugin.Thing") return nullptr;
  return new PluginThing(progid);
}
