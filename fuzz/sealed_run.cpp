// The fuzzer's script host (see sealed_run.h).
#include "fuzz/sealed_run.h"

#include <memory>

#include "platform/automation/dispatch_table.h"

namespace corvela::fuzzing {
namespace {

class QuietHost : public DispatchObject<QuietHost> {
 public:
  static constexpr std::string_view kClassName = "WScript";
  static const DispatchTable<QuietHost>& dispatchTable() {
    static const DispatchTable<QuietHost> table{
        {.name = "Echo",
         .call = [](QuietHost&, Args args) -> Variant {
           // The conversion to text is what a host would do; it may raise.
           for (Variant& arg : args) {
             Variant value = arg.dereferenced();
             if (!value.isNull()) value.toString();
           }
           return Variant();
         },
         .maxArgs = -1},
    };
    return table;
  }
};

}  // namespace

bool runSealed(std::string_view code, vbs::ScriptError& error) {
  vbs::ScriptEngine engine;
  engine.setStepLimit(kFuzzStepLimit);
  engine.seal();
  engine.addObject("WScript", std::make_shared<QuietHost>());
  bool finished = engine.addCode(code);
  error = engine.error();
  return finished;
}

}  // namespace corvela::fuzzing
