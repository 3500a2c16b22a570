// Tests of LoadPicture: the picture object's type and HIMETRIC size for
// each format, and the errors for missing, unknown and unusable files.
#include <fstream>

#include <gtest/gtest.h>

#include "fs/image_fixtures.h"
#include "platform/automation/com_error.h"
#include "platform/automation/object.h"
#include "platform/vbscript/builtin.h"
#include "support/temp_env.h"

namespace corvela::vbs {
namespace {

namespace img = corvela::testing::images;

Variant loadPicture(Variant path) {
  std::vector<Variant> args{std::move(path)};
  BuiltinCall call{args, nullptr};
  for (const BuiltinFunction& f : pictureBuiltins())
    if (f.name == "LoadPicture") return f.fn(call);
  ADD_FAILURE() << "LoadPicture is not in the picture table";
  return {};
}

// "Type WxH" of the picture, or "error N".
std::string outcome(Variant path) {
  try {
    std::shared_ptr<Object> picture = loadPicture(std::move(path)).toObject();
    Variant type = picture->get("Type");
    EXPECT_EQ(type.type(), VarType::Integer);
    EXPECT_EQ(picture->get("Width").type(), VarType::Long);
    return std::to_string(type.toLong()) + " " + picture->get("Width").toString() + "x" +
           picture->get("Height").toString();
  } catch (const ComError& e) {
    return "error " + std::to_string(e.number());
  }
}

class LoadPictureTest : public ::testing::Test {
 protected:
  std::string write(const std::string& name, const std::string& bytes) {
    std::string path = (dir_.path() / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  corvela::testing::TempDir dir_;
};

TEST_F(LoadPictureTest, GivesTypeAndHimetricSizeOfEachFormat) {
  const std::vector<std::tuple<const char*, std::string, std::string>> cases = {
      {"a.bmp", img::bmp(100, 50), "1 2646x1323"},
      {"a.gif", img::gif(1, 1), "1 26x26"},
      {"a.jpg", img::jpeg(640, 480), "1 16933x12700"},
      {"b.jpg", img::jpeg(3, 2, 0xC2), "1 79x53"},
      {"a.ico", img::icon(32, 32), "3 847x847"},
      {"a.cur", img::icon(16, 16, 2), "3 423x423"},
      {"a.wmf", img::wmf(0, 0, 1440, 720, 1440), "2 2540x1270"},
      {"a.emf", img::emf(10, 20, 2127, 1078), "4 2117x1058"},
  };
  for (const auto& [name, bytes, expected] : cases) EXPECT_EQ(outcome(Variant(write(name, bytes))), expected) << name;
}

TEST_F(LoadPictureTest, RefusesWhatWindowsCannotLoad) {
  std::filesystem::create_directory(dir_.path() / "folder.bmp");
  const std::vector<std::pair<Variant, std::string>> cases = {
      {Variant(write("a.png", img::png(10, 10))), "error 481"},
      {Variant(write("a.txt", "not a picture")), "error 481"},
      {Variant(write("empty.gif", "")), "error 481"},
      {Variant(write("cut.jpg", img::jpeg(10, 10).substr(0, 24))), "error 481"},
      {Variant(write("huge.bmp", img::bmp(0x7FFFFFFF, 1))), "error 481"},
      {Variant((dir_.path() / "folder.bmp").string()), "error 481"},
      {Variant(dir_.str() + "/missing.gif"), "error 53"},
      {Variant(dir_.str() + "/no/such/folder.gif"), "error 53"},
      {Variant(""), "error 481"},
      {Variant(), "error 481"},
      {Variant::null(), "error 94"},
      {Variant::array(std::vector<Variant>{Variant(1)}), "error 13"},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(outcome(path), expected) << path.toString();
}

TEST_F(LoadPictureTest, PictureObjectMembers) {
  std::string path = write("a.gif", img::gif(4, 4));
  std::shared_ptr<Object> a = loadPicture(Variant(path)).toObject();
  std::shared_ptr<Object> b = loadPicture(Variant(dir_.str() + "\\a.gif")).toObject();
  EXPECT_EQ(a->className(), "IPictureDisp");
  Variant handle = a->get("Handle");
  EXPECT_EQ(handle.type(), VarType::Long);
  EXPECT_NE(handle.toLong(), 0);
  EXPECT_NE(handle.toLong(), b->get("Handle").toLong()) << "two pictures share a handle";
  EXPECT_EQ(Variant(a).dereferenced().toLong(), handle.toLong()) << "Handle is the default member";
  EXPECT_EQ(a->get("hPal").toLong(), 0);
  std::vector<Variant> renderArgs(10, Variant(0));
  try {
    a->call("Render", renderArgs);
    ADD_FAILURE() << "Render did not raise";
  } catch (const ComError& e) {
    EXPECT_EQ(e.number(), 5);
  }
}

}  // namespace
}  // namespace corvela::vbs
