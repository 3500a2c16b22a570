// Form and Files as scripts see them: lookups by name and position, the
// empty field for a name not sent, For Each order, keys without case, and
// the collection errors that reach the page.
#include <gtest/gtest.h>

#include <string>

#include "platform/vbscript/script_engine.h"
#include "upload/multipart_builder.h"
#include "upload/upload.h"

namespace corvela::upload {
namespace {

using testing::MultipartBuilder;
using testing::bytesOf;

class UploadScript : public ::testing::Test {
 protected:
  UploadScript() {
    auto up = std::make_shared<upload>(bytesOf(MultipartBuilder()
                                                   .field("Title", "Hello")
                                                   .field("count", "3")
                                                   .file("pic", "logo.gif", "image/gif", "GIF")
                                                   .file("doc", "a.txt", "text/plain", "text")
                                                   .close()));
    engine_.addObject("up", up);
  }
  // The expression's value as text, or "error N" when it raises.
  std::string eval(std::string_view expression) {
    Variant result;
    if (!engine_.eval(expression, result)) {
      int32_t number = engine_.error().number;
      engine_.clearError();
      return "error " + std::to_string(number);
    }
    return result.toString();
  }
  void run(std::string_view code) { ASSERT_TRUE(engine_.addCode(code)) << engine_.error().description; }
  vbs::ScriptEngine engine_;
};

TEST_F(UploadScript, LookupsGiveWhatThePageExpects) {
  const std::pair<const char*, const char*> cases[] = {
      {"up.Form(\"Title\")", "Hello"},
      {"up.Form(\"title\").value", "Hello"},
      {"up.Form(\"TITLE\").controlName", "Title"},
      {"up.Form(1)", "Hello"},
      {"up.Form(2)", "3"},
      {"up.Form(\"not sent\").value", ""},
      {"up.Form(\"not sent\").controlName", ""},
      {"up.Form(99)", ""},
      {"up.Form.Count", "2"},
      {"up.Files(\"PIC\").FileName", "logo.gif"},
      {"up.Files(\"pic\")", "pic"},
      {"up.Files(2).ContentType", "text/plain"},
      {"up.Files(1).FileSize", "3"},
      {"UBound(up.Files(\"doc\").FileContent)", "3"},
      {"up.Files(\"not sent\").FileName", "error 5"},
      {"up.Files(3).FileName", "error 9"},
      {"up.Files.Count", "2"},
      {"TypeName(up.Form) & TypeName(up.Files) & TypeName(up.Form(1)) & TypeName(up.Files(1))",
       "cFormcFilescFormFieldcFile"},
      {"up.TotalBytes > 0", "True"},
      {"IsNumeric(up.UsedTime) And up.UsedTime >= 0", "True"},
      {"up.NormalDir(\"up\\files/2024\\\")", "up/files/2024/"},
      {"up.CheckFileType(\"photo.JPG\", \"gif;jpg\")", "True"},
  };
  for (const auto& [expression, expected] : cases) EXPECT_EQ(eval(expression), expected) << expression;
}

TEST_F(UploadScript, ForEachVisitsInRequestOrder) {
  run("Dim names: For Each f In up.Files: names = names & f.FileName & \",\": Next\n"
      "Dim values: For Each v In up.Form: values = values & v.controlName & \"=\" & v & \",\": Next");
  EXPECT_EQ(eval("names"), "logo.gif,a.txt,");
  EXPECT_EQ(eval("values"), "Title=Hello,count=3,");
}

TEST_F(UploadScript, AddRemoveAndReplacingTheCollections) {
  EXPECT_EQ(eval("up.Form.Add(\"x\", \"y\", \"title\").value"), "error 457");
  EXPECT_EQ(eval("up.Form.Count"), "2");
  EXPECT_EQ(eval("up.Form.Add(\"x\", \"y\").value"), "y");
  EXPECT_EQ(eval("up.Form.Count"), "3");
  EXPECT_EQ(eval("up.Files.Add(\"t/p\", \"n\", \"c\", \"n.txt\", 1, \"n\").FileName"), "n.txt");
  EXPECT_EQ(eval("up.Files(\"N\").ContentType"), "t/p");
  run("up.Files.Remove \"pic\"");
  EXPECT_EQ(eval("up.Files(1).FileName"), "a.txt");
  EXPECT_EQ(eval("up.Files.Remove(\"pic\")"), "error 5");
  run("Set up.Form = Nothing");
  EXPECT_EQ(eval("up.Form.Count"), "0");
  run("Dim mine: Set mine = CreateObject(\"ZerinUpload.cFiles\"): Set up.Files = mine");
  EXPECT_EQ(eval("up.Files Is mine"), "True");
  run("Dim field: Set field = CreateObject(\"ZerinUpload.cFormField\"): Set field.value = up: field.controlName = 5");
  EXPECT_EQ(eval("TypeName(field.value) & field.controlName"), "upload5");
}

}  // namespace
}  // namespace corvela::upload
