// Helpers of the engine tests.
#include "vbscript/engine_fixture.h"

namespace corvela::vbs::testing {

const DispatchTable<EchoHost>& EchoHost::dispatchTable() {
  static const DispatchTable<EchoHost> table{
      {.name = "Echo",
       .call = [](EchoHost& self, Args args) -> Variant {
         for (size_t i = 0; i < args.size(); ++i) {
           if (i) self.output += ' ';
           Variant v = args[i].dereferenced();
           self.output += v.isNull() ? "Null" : v.toString();
         }
         self.output += '\n';
         return Variant();
       },
       .maxArgs = -1},
      {.name = "Value",
       .get = [](EchoHost& self, Args) -> Variant { return self.stored; },
       .let = [](EchoHost& self, Args, const Variant& v) { self.stored = v; },
       .set = [](EchoHost& self, Args, const Variant& v) { self.stored = v; }},
      {.name = "Twice",
       // Takes its argument by reference: doubles it in place.
       .call = [](EchoHost& self, Args args) -> Variant {
         args[0] = Variant(args[0].toLong() * 2);
         return Variant();
       },
       .minArgs = 1,
       .maxArgs = 1},
  };
  return table;
}

RunResult runScript(std::string_view code) {
  auto host = std::make_shared<EchoHost>();
  RunResult result;
  {
    ScriptEngine engine;
    engine.addObject("Host", host, true);
    result.ok = engine.addCode(code);
    result.error = engine.error();
  }
  // Read last: instances left in globals terminate when the engine goes.
  result.output = host->output;
  return result;
}

void expectOutputs(std::initializer_list<OutputCase> cases) {
  for (const OutputCase& c : cases) {
    RunResult r = runScript(c.code);
    EXPECT_TRUE(r.ok) << c.name << ": error " << r.error.number << " " << r.error.description << " at line "
                      << r.error.line;
    std::string expected = c.expected;
    if (!expected.empty()) expected += '\n';
    EXPECT_EQ(r.output, expected) << c.name;
  }
}

void expectErrors(std::initializer_list<ErrorCase> cases) {
  for (const ErrorCase& c : cases) {
    RunResult r = runScript(c.code);
    EXPECT_FALSE(r.ok) << c.name;
    EXPECT_EQ(r.error.number, c.number) << c.name << ": " << r.error.description;
    if (c.line) {
      EXPECT_EQ(r.error.line, c.line) << c.name;
    }
    if (c.column) {
      EXPECT_EQ(r.error.column, c.column) << c.name;
    }
  }
}

}  // namespace corvela::vbs::testing
