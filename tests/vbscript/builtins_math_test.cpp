// The math built-ins: the result type each keeps or changes to, banker's
// rounding, the domain errors, and Rnd's sequence, which must repeat the
// numbers VBScript gives for the same seeds.
#include <cmath>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "vbscript/builtins_call.h"

namespace corvela::vbs::testing {
namespace {

TEST(MathBuiltins, AbsIntFixKeepTheArgumentsType) {
  expectCases({
      {"Abs", {-5}, "Long:5"}, {"Abs", {I(-5)}, "Integer:5"}, {"Abs", {I(-32768)}, "Long:32768"},
      {"Abs", {INT32_MIN}, "Double:2147483648"}, {"Abs", {-2.5}, "Double:2.5"},
      {"Abs", {Sg(-1.5f)}, "Single:1.5"}, {"Abs", {Cy(-15000)}, "Currency:15000"}, {"Abs", {true}, "Integer:1"},
      {"Abs", {Variant()}, "Integer:0"}, {"Abs", {"x"}, "error 13"},
      {"Int", {-2.5}, "Double:-3"}, {"Int", {2.7}, "Double:2"}, {"Int", {"2.5"}, "Double:2"},
      {"Int", {I(5)}, "Integer:5"}, {"Int", {Variant()}, "Integer:0"}, {"Int", {Dt(1.75)}, "Date:1"},
      {"Int", {Cy(-15000)}, "Currency:-20000"}, {"Int", {Sg(-0.5f)}, "Single:-1"},
      {"Fix", {-2.5}, "Double:-2"}, {"Fix", {Cy(-15000)}, "Currency:-10000"}, {"Fix", {Dt(-1.5)}, "Date:-1"},
      {"Fix", {true}, "Integer:-1"},
  });
}

TEST(MathBuiltins, RoundIsBankersRounding) {
  expectCases({
      {"Round", {2.5}, "Double:2"}, {"Round", {3.5}, "Double:4"}, {"Round", {-2.5}, "Double:-2"},
      {"Round", {2.51}, "Double:3"}, {"Round", {0.125, 2}, "Double:0.12"}, {"Round", {0.375, 2}, "Double:0.38"},
      {"Round", {1234.5678, 2}, "Double:1234.57"}, {"Round", {1e300, 2}, "Double:1e+300"},
      {"Round", {"2.5"}, "Double:2"}, {"Round", {Sg(2.5f)}, "Single:2"}, {"Round", {I(3)}, "Integer:3"},
      {"Round", {Cy(25000)}, "Currency:20000"}, {"Round", {Cy(35000)}, "Currency:40000"},
      {"Round", {Cy(12345), 2}, "Currency:12300"}, {"Round", {Cy(12350), 2}, "Currency:12400"},
      {"Round", {Cy(-12350), 2}, "Currency:-12400"}, {"Round", {Cy(12345), 4}, "Currency:12345"},
      {"Round", {Variant()}, "Integer:0"}, {"Round", {true}, "Boolean:True"},
      {"Round", {false, 2}, "Boolean:False"}, {"Round", {1.5, Null()}, "error 94"},
  });
}

TEST(MathBuiltins, SgnAndTheDomainErrors) {
  expectCases({
      {"Sgn", {-3}, "Integer:-1"}, {"Sgn", {"4"}, "Integer:1"}, {"Sgn", {Variant()}, "Integer:0"},
      {"Sgn", {Null()}, "error 94"},
      {"Sqr", {4}, "Double:2"}, {"Sqr", {Null()}, "error 94"}, {"Sqr", {"abc"}, "error 13"},
      {"Exp", {-1000}, "Double:0"},
      {"Atn", {Null()}, "error 94"},
  });
}

TEST(MathBuiltins, RgbClampsToByteAndRejectsNegative) {
  expectCases({
      {"RGB", {255, 0, 0}, "Long:255"}, {"RGB", {0, 0, 255}, "Long:16711680"},
      {"RGB", {1, 2, 3}, "Long:197121"}, {"RGB", {300, 1, 2}, "Long:131583"}, {"RGB", {-1, 0, 0}, "error 5"},
      {"RGB", {Null(), 0, 0}, "error 94"},
  });
}

std::vector<float> draws(int count) {
  std::vector<float> out;
  for (int i = 0; i < count; ++i) out.push_back(call("Rnd").rawSingle());
  return out;
}

TEST(MathBuiltins, RndStartsWhereVBScriptStarts) {
  // A fresh thread has a fresh generator, as a fresh script run had.
  std::vector<float> first;
  std::thread([&] { first = draws(3); }).join();
  ASSERT_EQ(first.size(), 3u);
  EXPECT_FLOAT_EQ(first[0], 0.7055475f);
  EXPECT_FLOAT_EQ(first[1], 0.533424f);
  EXPECT_FLOAT_EQ(first[2], 0.5795186f);
}

TEST(MathBuiltins, RndNegativeReseedsAndZeroRepeats) {
  Variant result = call("Rnd", {-1});
  EXPECT_EQ(result.type(), VarType::Single);
  EXPECT_FLOAT_EQ(result.rawSingle(), 0.224007f);
  std::vector<float> after = draws(3);
  EXPECT_FLOAT_EQ(call("Rnd", {0}).rawSingle(), after.back());
  EXPECT_FLOAT_EQ(call("Rnd", {-1}).rawSingle(), 0.224007f);
  EXPECT_EQ(draws(3), after);
  EXPECT_NE(call("Rnd", {-2}).rawSingle(), 0.224007f);
}

TEST(MathBuiltins, RandomizeWithSeedGivesRepeatableSequences) {
  auto sequenceAfter = [](Variant seed) {
    call("Rnd", {-1});
    randomizeGenerator(&seed);
    return draws(4);
  };
  std::vector<float> ten = sequenceAfter(10);
  EXPECT_EQ(sequenceAfter(10), ten);
  EXPECT_NE(sequenceAfter(11), ten);
  for (float x : ten) {
    EXPECT_GE(x, 0.0f);
    EXPECT_LT(x, 1.0f);
  }
  Variant null = Variant::null();
  EXPECT_THROW(randomizeGenerator(&null), ComError);
}

}  // namespace
}  // namespace corvela::vbs::testing
