// The engine end to end through its host interface: run-time error numbers
// and the statement they are reported at, error texts, Eval/call/compile
// from the host, host objects with default members and host errors, and
// cycles freed when the engine ends. Plain statement behaviour is checked by
// the script corpus (tests/corpus).
#include <map>

#include "vbscript/engine_fixture.h"

namespace corvela::vbs::testing {
namespace {

TEST(EngineBasics, ErrorsCarryNumberAndPosition) {
  expectErrors({
      {"division", "x = 1\nx = x / 0", 11, 2, 1},
      {"undefined explicit", "Option Explicit\nDim a\na = 1\nb = 2", 500, 4, 1},
      {"subscript", "Dim a(2)\na(3) = 1", 9, 2, 1},
      {"fixed redim", "Dim a(2)\nReDim a(4)", 10, 2, 1},
      {"object required", "Set x = Nothing\nx.Foo", 424, 2, 1},
      {"no member", "Host.Nope", 438, 1, 1},
      {"wrong args", "Sub S(a)\nEnd Sub\nS 1, 2", 450, 3, 1},
      {"raise in sub", "Sub S()\n  Err.Raise 5\nEnd Sub\nS", 5, 2, 3},
      {"unknown progid", "Set x = CreateObject(\"No.Such\")", 429, 1, 1},
      {"undeclared in procedure", "Option Explicit\nSub S\nDim a\nb = 1\nEnd Sub\nS", 500, 4, 1},
      {"read undeclared", "Option Explicit\nx = y", 500, 2, 1},
      {"assign a constant", "Const K = 1\nK = 2", 501, 2, 1},
      {"inside if body", "x = 1\nIf x = 1 Then\n  y = 1 / 0\nEnd If", 11, 3, 3},
      {"in a condition", "If 1 / 0 Then\nEnd If", 11, 1, 1},
      {"after colon", "x = 1: y = 1 / 0", 11, 1, 8},
      {"in a class method", "Class C\nSub M\n    Err.Raise 9\nEnd Sub\nEnd Class\nSet o = New C\no.M", 9, 3, 5},
      {"in a loop header", "For i = 1 To \"x\"\nNext", 13, 1, 1},
      {"next after resumed header", "On Error Resume Next\nFor i = 1 / 0 To 2\nOn Error GoTo 0\n  Next", 92, 4, 3},
  });
}

// The uncaught_*.vbs corpus programs check each error text with the name it
// concerns; here the name keeps its spelling and Err.Description stays plain.
TEST(EngineBasics, UncaughtErrorsNameWhatTheyConcern) {
  EXPECT_EQ(runScript("NoSuchSub 1").error.description, "Type mismatch: 'NoSuchSub'");
  expectOutputs({{"err text", "On Error Resume Next\nNoSuchSub 1\nEcho Err.Description", "Type mismatch"}});
}

TEST(EngineBasics, HostInterfaceEvalCallAndCompile) {
  ScriptEngine engine;
  ASSERT_TRUE(engine.addCode("Function Add(a, b)\nAdd = a + b\nEnd Function\nSub Bump(n)\nn = n + 1\nEnd Sub\ng = 10"));
  Variant result;
  ASSERT_TRUE(engine.eval("g * 2 + Add(1, 2)", result));
  EXPECT_EQ(result.toLong(), 23);
  Variant args[2] = {Variant(4), Variant(5)};
  ASSERT_TRUE(engine.call("Add", args, result));
  EXPECT_EQ(result.toLong(), 9);
  // ByRef parameters write into the host's arguments.
  Variant counter[1] = {Variant(1)};
  ASSERT_TRUE(engine.call("Bump", counter, result));
  EXPECT_EQ(counter[0].toLong(), 2);
  EXPECT_FALSE(engine.call("Nope", {}, result));
  EXPECT_EQ(engine.error().number, 13);

  // One compiled program runs in many engines, each with its own globals.
  ScriptError error;
  auto program = ScriptEngine::compile("n = n + 1\nIf n > 1 Then Err.Raise 5", error);
  ASSERT_TRUE(program);
  for (int i = 0; i < 3; ++i) {
    ScriptEngine fresh;
    EXPECT_TRUE(fresh.run(*program));
  }
  ScriptEngine twice;
  EXPECT_TRUE(twice.run(*program));
  EXPECT_FALSE(twice.run(*program));
  EXPECT_EQ(twice.error().number, 5);
  EXPECT_EQ(twice.error().line, 2);
  EXPECT_EQ(twice.error().text, "If n > 1 Then Err.Raise 5");

  EXPECT_FALSE(ScriptEngine::compile("x = (1", error));
  EXPECT_EQ(error.number, 1006);
  EXPECT_EQ(error.source, "Microsoft VBScript compilation error");
}

class Failing : public DispatchObject<Failing> {
 public:
  static constexpr std::string_view kClassName = "Failing";
  static const DispatchTable<Failing>& dispatchTable() {
    static const DispatchTable<Failing> table{
        {.name = "Go", .call = [](Failing&, Args) -> Variant { throw ComError(1001, "MyHost", "went wrong"); }}};
    return table;
  }
};

// A field with a default Value, as a document's properties are.
class Field : public DispatchObject<Field> {
 public:
  static constexpr std::string_view kClassName = "Field";
  static const DispatchTable<Field>& dispatchTable() {
    static const DispatchTable<Field> table{
        {.name = "Value",
         .get = [](Field& self, Args) -> Variant { return self.value; },
         .let = [](Field& self, Args, const Variant& v) { self.value = v; },
         .isDefault = true},
    };
    return table;
  }
  Variant value;
};

// A document whose default member Item(name) gives a Field.
class Document : public DispatchObject<Document> {
 public:
  static constexpr std::string_view kClassName = "Document";
  static const DispatchTable<Document>& dispatchTable() {
    static const DispatchTable<Document> table{
        {.name = "Item",
         .get = [](Document& self, Args args) -> Variant { return Variant(self.field(args[0].toString())); },
         .minArgs = 1,
         .maxArgs = 1,
         .isDefault = true},
        {.name = "Fail",
         .call = [](Document&, Args) -> Variant { throw ComError(5, "", ""); }},
    };
    return table;
  }
  std::shared_ptr<Object> field(const std::string& name) {
    auto& f = fields[name];
    if (!f) f = std::make_shared<Field>();
    return f;
  }
  std::map<std::string, std::shared_ptr<Field>> fields;
};

TEST(EngineBasics, DefaultMemberChainsOfHostObjects) {
  ScriptEngine engine;
  auto document = std::make_shared<Document>();
  document->field("TITLE");
  document->fields["TITLE"]->value = Variant("Hello");
  engine.addObject("Document", document);
  auto host = std::make_shared<EchoHost>();
  engine.addObject("Host", host, true);
  ASSERT_TRUE(engine.addCode(
      "Echo Document(\"TITLE\")\n"                  // .Item("TITLE").Value
      "t = Document(\"TITLE\")\nEcho TypeName(t)\n"  // Let takes the value
      "Set f = Document(\"TITLE\")\nEcho TypeName(f)\n"
      "Document(\"BODY\") = \"text\"\nEcho Document.Item(\"BODY\").Value & \"!\"\n"
      "Echo Document(\"TITLE\") & \" world\", Len(Document(\"TITLE\"))\n"
      "On Error Resume Next\nDocument.Fail\nEcho Err.Number, Err.Source, Err.Description"))
      << engine.error().description << " line " << engine.error().line;
  EXPECT_EQ(host->output,
            "Hello\nString\nField\ntext!\nHello world 5\n"
            "5 Microsoft VBScript runtime error Invalid procedure call or argument\n");
}

TEST(EngineBasics, HostErrorsReachErrAsTheyAre) {
  ScriptEngine engine;
  engine.addObject("F", std::make_shared<Failing>());
  auto host = std::make_shared<EchoHost>();
  engine.addObject("Host", host, true);
  ASSERT_TRUE(engine.addCode("On Error Resume Next\nF.Go\nEcho Err.Number, Err.Source, Err.Description"));
  EXPECT_EQ(host->output, "1001 MyHost went wrong\n");
  EXPECT_FALSE(engine.addCode("\n  F.Go"));
  EXPECT_EQ(engine.error().number, 1001);
  EXPECT_EQ(engine.error().source, "MyHost");
  EXPECT_EQ(engine.error().description, "went wrong");
  EXPECT_EQ(engine.error().line, 2);
  EXPECT_EQ(engine.error().column, 3);
}

TEST(EngineBasics, ReferenceCyclesComeApartWhenTheEngineEnds) {
  std::weak_ptr<Document> watched;
  {
    ScriptEngine engine;
    auto document = std::make_shared<Document>();
    watched = document;
    engine.addObject("Document", document);
    ASSERT_TRUE(engine.addCode(
        "Class Node\n  Public Other, Probe\nEnd Class\n"
        "Set a = New Node : Set a.Other = a : Set a.Probe = Document\n"  // itself
        "Set b = New Node : Set c = New Node : Set b.Other = c : Set c.Other = b\n"
        "Set c.Probe = Document\n"
        "Set d = CreateObject(\"Scripting.Dictionary\") : Set e = New Node\n"
        "d.Add \"e\", e : Set e.Other = d : Set e.Probe = Document\n"  // through a host object
        "Set a = Nothing : Set b = Nothing : Set c = Nothing : Set d = Nothing : Set e = Nothing"))
        << engine.error().description;
  }
  EXPECT_TRUE(watched.expired());
}

}  // namespace
}  // namespace corvela::vbs::testing
