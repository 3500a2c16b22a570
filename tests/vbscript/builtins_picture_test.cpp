// Tests of LoadPicture for what a script cannot easily write itself (the
// corpus script picture_a.vbs covers the rest): the type and HIMETRIC size
// of each format and the files it refuses.
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

// "Type WxH" of the picture LoadPicture(path) gives, or "error N".
std::string outcome(Variant path) {
  std::vector<Variant> args{std::move(path)};
  BuiltinCall call{args, nullptr};
  try {
    std::shared_ptr<Object> picture = pictureBuiltins()[0].fn(call).toObject();
    EXPECT_EQ(picture->get("Type").type(), VarType::Integer);
    return picture->get("Type").toString() + " " + picture->get("Width").toString() + "x" +
           picture->get("Height").toString();
  } catch (const ComError& e) {
    return "error " + std::to_string(e.number());
  }
}

TEST(LoadPictureTest, TypeAndHimetricSizeOfEachFormatAndTheFilesItRefuses) {
  ASSERT_EQ(pictureBuiltins()[0].name, "LoadPicture");
  corvela::testing::TempDir dir;
  auto file = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(dir.path() / name, std::ios::binary) << bytes;
    return Variant((dir.path() / name).string());
  };
  std::filesystem::create_directory(dir.path() / "folder.bmp");
  const std::pair<Variant, std::string> cases[] = {
      {file("a.jpg", img::jpeg(640, 480)), "1 16933x12700"},
      {file("b.jpg", img::jpeg(3, 2, 0xC2)), "1 79x53"},
      {file("a.bmp", img::bmp(100, -50)), "1 2646x1323"},
      {file("a.cur", img::icon(16, 16, 2)), "3 423x423"},
      {file("a.wmf", img::wmf(0, 0, 1440, 720, 1440)), "2 2540x1270"},
      {file("a.emf", img::emf(10, 20, 2127, 1078)), "4 2117x1058"},
      {file("a.png", img::png(10, 10)), "error 481"},
      {file("cut.jpg", img::jpeg(10, 10).substr(0, 24)), "error 481"},
      {file("huge.bmp", img::bmp(0x7FFFFFFF, 1)), "error 481"},
      {Variant((dir.path() / "folder.bmp").string()), "error 481"},
      {Variant(dir.str() + "/no/such/folder.gif"), "error 53"},
      {Variant(), "error 481"},
      {Variant::array(std::vector<Variant>{Variant(1)}), "error 13"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(outcome(cases[i].first), cases[i].second) << "case " << i;
}

}  // namespace
}  // namespace corvela::vbs
