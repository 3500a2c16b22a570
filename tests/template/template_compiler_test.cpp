// The template compiler: literal lines, quotes, regions, code blocks and
// marker errors, checked on the script text it makes.
#include "template/template_compiler.h"

#include <gtest/gtest.h>

#include "platform/automation/com_error.h"

namespace corvela::tmpl {
namespace {

struct CompileCase {
  const char* name;
  const char* templ;
  const char* script;
};

const CompileCase kCases[] = {
    {"LiteralLinesBecomeOutputStatements", "<p>a</p>\r\n<p>b</p>\r\n",
     "Response.Output \"<p>a</p>\" & vbCrlf\r\nResponse.Output \"<p>b</p>\" & vbCrlf\r\n"},
    {"BlankLinesVanish", "a\r\n   \r\n\r\nb", "Response.Output \"a\" & vbCrlf\r\nResponse.Output \"b\" & vbCrlf\r\n"},
    {"QuotesAreDoubled", "<a href=\"x\">", "Response.Output \"<a href=\"\"x\"\">\" & vbCrlf\r\n"},
    {"LeadingSpacesOfALineStay", "  x", "Response.Output \"  x\" & vbCrlf\r\n"},
    {"CodeIsCopiedUnchanged", "a<!--% x = 1 %-->b",
     "Response.Output \"a\" & vbCrlf\r\n x = 1 \r\nResponse.Output \"b\" & vbCrlf\r\n"},
    {"LoneLineFeedsSplitLinesToo", "a\nb\r\nc", 
     "Response.Output \"a\" & vbCrlf\r\nResponse.Output \"b\" & vbCrlf\r\nResponse.Output \"c\" & vbCrlf\r\n"},
    {"RegionTextIsDropped", "a<!--TemplateBegin -->gone<!--% y %-->gone too<!--TemplateEnd-->b",
     "Response.Output \"a\" & vbCrlf\r\n y \r\nResponse.Output \"b\" & vbCrlf\r\n"},
    {"WordsAfterBeginStillOpenARegion", "<!--TemplateBeginEditable name=x -->gone<!--Template End -->kept",
     "Response.Output \"kept\" & vbCrlf\r\n"},
    {"OtherTemplateMarkersCloseAndVanish", "a<!--Template xyz -->b", "Response.Output \"ab\" & vbCrlf\r\n"},
    {"EmptyTemplate", "", ""},
};

class Compile : public ::testing::TestWithParam<CompileCase> {};

TEST_P(Compile, MakesTheExpectedScript) { EXPECT_EQ(compileTemplate(GetParam().templ), GetParam().script); }

INSTANTIATE_TEST_SUITE_P(Templates, Compile, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::string markerError(const char* templ) {
  try {
    compileTemplate(templ);
  } catch (const ComError& e) {
    EXPECT_EQ(e.number(), 555);
    EXPECT_EQ(e.source(), "");
    return e.description();
  }
  return "no error";
}

TEST(CompileErrors, UnclosedMarkersRaise555) {
  EXPECT_EQ(markerError("a<!--% x = 1"), "Can not find %-->");
  EXPECT_EQ(markerError("<!--%%>"), "Can not find %-->") << "the end is searched 5 characters after the start";
  EXPECT_EQ(markerError("a<!--TemplateBegin"), "Can not find -->");
}

TEST(StripMetadata, RemovesBlocksAndCutsAtAnUnterminatedOne) {
  EXPECT_EQ(stripMetadata("a<!--METADATA type=x -->b<!--METADATA-->c"), "abc");
  EXPECT_EQ(stripMetadata("a<!--METADATA b"), "a");
  EXPECT_EQ(stripMetadata("plain"), "plain");
}

}  // namespace
}  // namespace corvela::tmpl
