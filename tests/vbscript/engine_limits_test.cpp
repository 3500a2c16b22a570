// Hostile scripts against the engine's limits: every kind of deep nesting
// on a small worker-thread stack, operand and argument counts, and the
// errors they must end in instead of a crash.
#include <pthread.h>

#include <functional>

#include "vbscript/engine_fixture.h"

namespace corvela::vbs::testing {
namespace {

// Runs `work` on a thread with a stack of `bytes`, as a web host's worker.
void onThreadWithStack(size_t bytes, const std::function<void()>& work) {
  pthread_attr_t attr;
  ASSERT_EQ(pthread_attr_init(&attr), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attr, bytes), 0);
  pthread_t thread;
  auto run = [](void* arg) -> void* {
    (*static_cast<const std::function<void()>*>(arg))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attr, run, const_cast<std::function<void()>*>(&work)), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attr);
}

std::string repeat(std::string_view piece, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += piece;
  return out;
}

TEST(EngineLimits, DeepNestingOnAOneMegabyteStackEndsInOutOfStackSpace) {
  const ErrorCase cases[] = {
      {"script calls", "Sub S(n)\nS n + 1\nEnd Sub\nS 1", 28, 2, 1},
      {"execute", "Sub S(n)\nExecute \"S \" & (n + 1)\nEnd Sub\nS 1", 28, 0, 0},
      {"execute global", "Sub S(n)\nExecuteGlobal \"S \" & (n + 1)\nEnd Sub\nS 1", 28, 0, 0},
      {"eval mutual", "Function A(n)\nA = Eval(\"B(\" & n & \")\")\nEnd Function\n"
                      "Function B(n)\nB = Eval(\"A(\" & (n + 1) & \")\")\nEnd Function\nx = A(1)", 28, 0, 0},
      {"getref", "Set f = GetRef(\"G\")\nFunction G(n)\nG = f(n + 1)\nEnd Function\nx = G(1)", 28, 0, 0},
      {"default property", "Class C\nPublic Default Property Get V(n)\nV = o(n + 1)\nEnd Property\nEnd Class\n"
                           "Set o = New C\nx = o(1)", 28, 0, 0},
      {"deep code inside execute",
       "Sub S(n)\nExecute \"S \" & String(150, \"(\") & (n + 1) & String(150, \")\")\nEnd Sub\nS 1", 28, 0, 0},
  };
  for (const ErrorCase& c : cases) {
    RunResult r;
    onThreadWithStack(size_t{1} << 20, [&] { r = runScript(c.code); });
    EXPECT_FALSE(r.ok) << c.name;
    EXPECT_EQ(r.error.number, 28) << c.name << ": " << r.error.source << ": " << r.error.description;
    if (c.line) {
      EXPECT_EQ(r.error.line, c.line) << c.name;
    }
  }
  RunResult caught;
  onThreadWithStack(size_t{1} << 20, [&] {
    caught = runScript("On Error Resume Next\nSub S(n)\nExecute \"S \" & (n + 1)\nEnd Sub\nS 1\nEcho Err.Number");
  });
  EXPECT_EQ(caught.output, "28\n") << "Execute recursion under On Error Resume Next";
  // Each level's frame holds 300 operands before the next call; the
  // engine's own stack runs out first.
  std::string operands = "Sub R(n)\nx = Array(" + repeat("0, ", 300) + "R(n + 1))\nEnd Sub\nR 1";
  RunResult deep = runScript(operands);
  EXPECT_EQ(deep.error.number, 28) << deep.error.description;
  EXPECT_EQ(deep.error.line, 2);
}

TEST(EngineLimits, DeepButLegalCodeCompilesOrRunsOutOfStackOnASmallStack) {
  // The parser's own caps are reached first on an 8 MiB stack; on 1 MiB the
  // stack may run out first. Either way: an error, never a crash.
  const std::string code[] = {
      "x = " + repeat("(", 330) + "1" + repeat(")", 330),
      "x = 1" + repeat(" + (1", 330) + repeat(")", 330),
      repeat("If True Then\n", 190) + "x = 1\n" + repeat("End If\n", 190),
      "x = " + repeat("-", 990) + "1",
  };
  for (const std::string& c : code) {
    RunResult r;
    onThreadWithStack(size_t{1} << 20, [&] { r = runScript(c); });
    if (!r.ok) {
      EXPECT_EQ(r.error.number, 28) << c.substr(0, 40) << ": " << r.error.description;
    }
  }
}

TEST(EngineLimits, LongChainsAreFreedWithoutDeepRecursion) {
  // Each link holds the next: freeing the head frees 100,000 links, one
  // after another rather than nested.
  const char* chains[] = {
      "For i = 1 To 100000\na = Array(a)\nNext\na = Empty\nEcho \"freed\"",
      "Set head = CreateObject(\"Scripting.Dictionary\")\nSet c = head\nFor i = 1 To 100000\n"
      "Set n = CreateObject(\"Scripting.Dictionary\")\nc.Add 1, n\nSet c = n\nNext\n"
      "Set c = Nothing\nSet n = Nothing\nSet head = Nothing\nEcho \"freed\"",
      "Class Link\nPublic NextLink\nEnd Class\nSet head = New Link\nSet c = head\nFor i = 1 To 100000\n"
      "Set c.NextLink = New Link\nSet c = c.NextLink\nNext\nSet c = Nothing\nSet head = Nothing\nEcho \"freed\"",
      // Left for the engine to free when it ends.
      "Class Link\nPublic NextLink\nEnd Class\nSet head = New Link\nSet c = head\nFor i = 1 To 100000\n"
      "Set c.NextLink = New Link\nSet c = c.NextLink\nNext\nEcho \"freed\"",
  };
  for (const char* code : chains) {
    RunResult r;
    onThreadWithStack(size_t{1} << 20, [&] { r = runScript(code); });
    EXPECT_TRUE(r.ok) << code << ": " << r.error.description;
    EXPECT_EQ(r.output, "freed\n") << code;
  }
}

TEST(EngineLimits, LongArgumentListsAreRefusedOrCounted) {
  std::string ones = repeat("1,", 65536);
  RunResult tooMany = runScript("x = Array(" + ones + "2)");
  EXPECT_FALSE(tooMany.ok);
  EXPECT_EQ(tooMany.error.number, 1001) << tooMany.error.description;
  EXPECT_EQ(tooMany.error.source, "Microsoft VBScript compilation error");

  RunResult inExecute = runScript("On Error Resume Next\nExecute \"x = Array(\" & Replace(Space(299999), \" \", \"1,\") & "
                                  "\"1)\"\nEcho Err.Number");
  EXPECT_EQ(inExecute.output, "1001\n");

  RunResult most = runScript("x = Array(" + repeat("1,", 65533) + "2)\nEcho UBound(x), x(65533), x(0)");
  EXPECT_TRUE(most.ok) << most.error.description;
  EXPECT_EQ(most.output, "65533 2 1\n");

  std::string names;
  for (int i = 0; i < 65535; ++i) names += "a" + std::to_string(i) + ", ";
  RunResult params = runScript("Sub S(" + names + "b)\nEnd Sub");
  EXPECT_EQ(params.error.number, 1001);
}

TEST(EngineLimits, StatementsWithManyOperandsGetRoomOnTheStack) {
  // More operands than any fixed headroom, at global level, in a procedure
  // and in Execute code run inside one.
  std::string list = repeat("1, ", 5000) + "1";
  expectOutputs({
      {"global", ("x = Array(" + list + ")\nEcho UBound(x)").c_str(), "5000"},
      {"procedure", ("Function F()\nF = Array(" + list + ")\nEnd Function\nEcho UBound(F())").c_str(), "5000"},
      {"execute in procedure", ("Sub S()\nExecute \"x = Array(" + list + ")\"\nEcho UBound(x)\nEnd Sub\nS").c_str(),
       "5000"},
  });
}

TEST(EngineLimits, StringsPastTwoGigabytesRaiseOutOfStringSpace) {
  // One string of 1 GiB, shared; every longer result is refused before it
  // is built, and the variables keep what they held.
  RunResult r = runScript(
      "On Error Resume Next\n"
      "s = String(2^30, \"x\")\n"
      "t = s & s\nEcho Err.Number, Len(t)\nErr.Clear\n"
      "s = s & s\nEcho Err.Number, Len(s)\nErr.Clear\n"
      "s = Empty");
  EXPECT_TRUE(r.ok) << r.error.description;
  EXPECT_EQ(r.output, "14 0\n14 1073741824\n");
}

TEST(EngineLimits, ReplaceSizesItsResultBeforeBuildingIt) {
  // 10^10 bytes asked for: refused at once, without the memory.
  expectErrors({
      {"replace", "x = Replace(String(100000, \"a\"), \"a\", String(100000, \"b\"))", 14, 1, 1},
      {"string", "x = String(2147483647, \"\u00e9\")", 14, 1, 1},
  });
  expectOutputs({
      {"shrinking", "Echo Replace(\"aXbXc\", \"X\", \"\")", "abc"},
      {"growing with count", "Echo Replace(\"aXbXc\", \"X\", \"--\", 1, 1)", "a--bXc"},
  });
}

// Runs code in an engine with a step limit, sealed, as the fuzzer does.
RunResult runLimited(std::string_view code, uint64_t steps) {
  auto host = std::make_shared<EchoHost>();
  RunResult result;
  ScriptEngine engine;
  engine.addObject("Host", host, true);
  engine.setStepLimit(steps);
  engine.seal();
  result.ok = engine.addCode(code);
  result.error = engine.error();
  result.output = host->output;
  return result;
}

TEST(EngineLimits, StepLimitStopsEveryKindOfEndlessCodeAndOnErrorCannotCatchIt) {
  const char* endless[] = {
      "Do\nLoop",
      "On Error Resume Next\nDo\nLoop\nEcho \"after\"",
      "Do\nn = n + 1\nLoop While n > 0",
      "Do\nLoop Until n < 0",
      "While True\nWend",
      "For i = 1 To 2\ni = 0\nNext",
      "Set d = CreateObject(\"Scripting.Dictionary\")\nd.Add 1, 1\nFor Each k In d.Keys\nExecute \"Do : Loop\"\nNext",
      // Twice as many calls at each level: no loop, yet no end in sight.
      "Sub S()\nOn Error Resume Next\nS\nS\nEnd Sub\nS\nEcho \"after\"",
      "Class C\nSub Class_Terminate()\nDo : Loop\nEnd Sub\nEnd Class\nSet o = New C\nSet o = Nothing\nDo : Loop",
  };
  for (const char* code : endless) {
    RunResult r = runLimited(code, 100000);
    EXPECT_FALSE(r.ok) << code;
    EXPECT_EQ(r.error.number, kStepLimitError) << code << ": " << r.error.description;
    EXPECT_EQ(r.output, "") << code;
  }
  RunResult finite = runLimited("For i = 1 To 1000\nn = n + i\nNext\nEcho n", 100000);
  EXPECT_TRUE(finite.ok) << finite.error.description;
  EXPECT_EQ(finite.output, "500500\n");
}

TEST(EngineLimits, StepLimitCountsEachHostCallAfresh) {
  ScriptEngine engine;
  engine.setStepLimit(1000);
  EXPECT_TRUE(engine.addCode("Sub Loop500()\nFor i = 1 To 500\nNext\nEnd Sub"));
  Variant result;
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(engine.call("Loop500", {}, result)) << engine.error().description;
  EXPECT_FALSE(engine.addCode("For i = 1 To 5000\nNext"));
  EXPECT_EQ(engine.error().number, kStepLimitError);
}

TEST(EngineLimits, SealedEnginesReachNothingOutsideMemory) {
  RunResult inMemory = runLimited("Set d = CreateObject(\"scripting.dictionary\")\nd(\"k\") = 1\n"
                                  "Set r = CreateObject(\"VBScript.RegExp\")\nr.Pattern = \"a\"\nEcho d(\"k\"), r.Test(\"cat\")",
                                  0);
  EXPECT_EQ(inMemory.output, "1 True\n") << inMemory.error.description;
  for (const char* outside : {"Set f = CreateObject(\"Scripting.FileSystemObject\")", "Set s = CreateObject(\"WScript.Shell\")",
                              "Set c = CreateObject(\"Corvela.Config\")", "Set p = LoadPicture(\"/etc/passwd\")"}) {
    RunResult r = runLimited(outside, 0);
    EXPECT_EQ(r.error.number, 70) << outside;
  }
}

}  // namespace
}  // namespace corvela::vbs::testing
