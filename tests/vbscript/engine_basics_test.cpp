// The engine end to end: statements, procedures, loops and values.
#include <map>

#include "vbscript/engine_fixture.h"

namespace corvela::vbs::testing {
namespace {

TEST(EngineBasics, StatementsProduceTheirOutput) {
  expectOutputs({
      {"echo", "Echo 1", "1"},
      {"arith", "x = 2 + 3 * 4\nEcho x", "14"},
      {"concat", "s = \"a\"\ns = s & \"b\" & 1\nEcho s", "ab1"},
      {"if", "x = 5\nIf x > 3 Then\nEcho \"big\"\nElse\nEcho \"small\"\nEnd If", "big"},
      {"for", "For i = 1 To 3\nEcho i\nNext", "1\n2\n3"},
      {"for step", "For i = 10 To 1 Step -4\nEcho i\nNext\nEcho i", "10\n6\n2\n-2"},
      {"do while", "i = 0\nDo While i < 3\ni = i + 1\nLoop\nEcho i", "3"},
      {"do until post", "i = 0\nDo\ni = i + 1\nLoop Until i >= 5\nEcho i", "5"},
      {"while wend", "i = 0\nWhile i < 2\ni = i + 1\nWend\nEcho i", "2"},
      {"function", "Function Sq(n)\nSq = n * n\nEnd Function\nEcho Sq(7)", "49"},
      {"recursion", "Function F(n)\nIf n < 2 Then\nF = n\nElse\nF = F(n - 1) + F(n - 2)\nEnd If\nEnd Function\nEcho F(15)", "610"},
      {"sub", "Sub S(a, b)\nEcho a + b\nEnd Sub\nS 1, 2\nCall S(3, 4)", "3\n7"},
      {"select", "x = 3\nSelect Case x\nCase 1, 2\nEcho \"low\"\nCase 3 To 5\nEcho \"mid\"\nCase Else\nEcho \"hi\"\nEnd Select", "mid"},
      {"select is", "x = 9\nSelect Case x\nCase Is > 8\nEcho \"gt\"\nEnd Select", "gt"},
      {"exit for", "For i = 1 To 10\nIf i = 3 Then Exit For\nNext\nEcho i", "3"},
      {"exit do", "Do\nn = n + 1\nIf n = 4 Then Exit Do\nLoop\nEcho n", "4"},
      {"hoisted", "Echo G()\nFunction G()\nG = \"late\"\nEnd Function", "late"},
      {"const", "Const K = 5\nEcho K * 2", "10"},
      {"builtin", "Echo Len(\"abc\"), UCase(\"x\")", "3 X"},
      {"with", "Set h = Host\nWith h\n.Value = 4\nEcho .Value\nEnd With", "4"},
      {"for each array", "a = Array(1, 2, 3)\nFor Each x In a\ns = s & x\nNext\nEcho s", "123"},
      {"nested loops exit", "For i = 1 To 3\nFor j = 1 To 3\nIf j = 2 Then Exit For\nn = n + 1\nNext\nNext\nEcho n", "3"},
      {"eval", "x = 4\nEcho Eval(\"x * 2\")", "8"},
      {"execute global", "ExecuteGlobal \"Function Z()\" & vbCrLf & \"Z = 9\" & vbCrLf & \"End Function\"\nEcho Z()", "9"},
  });
}

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
      {"redefined", "Dim a\nDim a", 1041, 2, 5},
  });
}

TEST(EngineBasics, UncaughtErrorsNameWhatTheyConcern) {
  struct Case {
    const char* code;
    const char* description;
  };
  const Case cases[] = {
      {"Option Explicit\nx = 1", "Variable is undefined: 'x'"},
      {"NoSuchSub 1", "Type mismatch: 'NoSuchSub'"},
      {"Set o = New Nope", "Class not defined: 'Nope'"},
      {"Function Add(a, b)\nEnd Function\nx = Add(1)", "Wrong number of arguments or invalid property assignment: 'Add'"},
      {"Set o = CreateObject(\"No.Such\")", "ActiveX component can't create object: 'No.Such'"},
      {"x = 1 / 0", "Division by zero"},
  };
  for (const Case& c : cases) {
    RunResult r = runScript(c.code);
    EXPECT_EQ(r.error.description, c.description) << c.code;
  }
  // Err.Description keeps the plain text.
  expectOutputs({{"err text", "On Error Resume Next\nNoSuchSub 1\nEcho Err.Description", "Type mismatch"}});
}

TEST(EngineBasics, CreateObjectReachesTheRegisteredClasses) {
  expectOutputs({
      {"dictionary", "Set d = CreateObject(\"Scripting.Dictionary\")\nd.Add \"a\", 1\nd(\"b\") = 2\nEcho d.Count, d(\"a\") + d(\"b\")",
       "2 3"},
      {"for each over a collection", "Set d = CreateObject(\"Scripting.Dictionary\")\nd.Add \"a\", 1\nd.Add \"b\", 2\n"
                                     "For Each k In d\ns = s & k\nNext\nEcho s", "ab"},
      {"regexp by progid", "Set r = CreateObject(\"VBScript.RegExp\")\nr.Pattern = \"b+\"\nEcho r.Test(\"abbc\")", "True"},
      {"new regexp", "Set r = New RegExp\nr.Pattern = \"^a\"\nEcho r.Test(\"abc\"), TypeName(r)", "True IRegExp2"},
  });
  expectErrors({{"unknown progid", "Set x = CreateObject(\"No.Such\")", 429, 1, 1}});
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
