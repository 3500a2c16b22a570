// LoadPicture and the picture object it returns. Pages use it to learn the
// size of an image file:
//   Set p = LoadPicture(path) : w = Round(p.Width / 26.4583)
// Only the file's headers are read (fs/image_size.h); no pixels are decoded
// and no drawing surface exists, so Render raises 5.
//
// Formats follow what Windows' picture loader accepts: BMP, GIF and JPEG
// (Type 1, bitmap), ICO and CUR (Type 3, icon), placeable WMF (Type 2) and
// EMF (Type 4). PNG is not among them and raises 481 like any unknown format.
#include <atomic>

#include "platform/automation/com_error.h"
#include "platform/automation/dispatch_table.h"
#include "platform/fs/image_size.h"
#include "platform/vbscript/builtin.h"
#include "platform/vbscript/interpreter.h"

namespace corvela::vbs {
namespace {

constexpr int32_t kInvalidPicture = 481;

// PICTYPE values.
enum PictureType : int16_t { kBitmap = 1, kMetafile = 2, kIcon = 3, kEnhancedMetafile = 4 };

PictureType pictureTypeOf(fs::ImageFormat format) {
  switch (format) {
    case fs::ImageFormat::Wmf: return kMetafile;
    case fs::ImageFormat::Emf: return kEnhancedMetafile;
    case fs::ImageFormat::Icon:
    case fs::ImageFormat::Cursor: return kIcon;
    case fs::ImageFormat::Bmp:
    case fs::ImageFormat::Gif:
    case fs::ImageFormat::Jpeg:
    case fs::ImageFormat::Png: return kBitmap;
  }
  return kBitmap;
}

// Stands for the GDI handle a loaded picture had: nonzero and different for
// every picture of the process, so scripts that compare handles still can.
int32_t nextPictureHandle() {
  static std::atomic<int32_t> counter{0};
  return ++counter;
}

// A loaded picture: Handle (the default member), hPal, Type, Width and
// Height in HIMETRIC (0.01 mm), and Render.
class Picture : public DispatchObject<Picture> {
 public:
  static constexpr std::string_view kClassName = "IPictureDisp";
  static const DispatchTable<Picture>& dispatchTable();

  Picture(PictureType type, int32_t width, int32_t height)
      : handle_(nextPictureHandle()), type_(type), width_(width), height_(height) {}

 private:
  int32_t handle_;
  PictureType type_;
  int32_t width_;
  int32_t height_;
};

const DispatchTable<Picture>& Picture::dispatchTable() {
  using P = Picture;
  static const DispatchTable<P> table{
      {.name = "Handle", .get = [](P& p, Args) -> Variant { return p.handle_; }, .isDefault = true},
      {.name = "hPal", .get = [](P&, Args) -> Variant { return 0; }},
      {.name = "Type", .get = [](P& p, Args) -> Variant { return Variant::fromInteger(p.type_); }},
      {.name = "Width", .get = [](P& p, Args) -> Variant { return p.width_; }},
      {.name = "Height", .get = [](P& p, Args) -> Variant { return p.height_; }},
      // hdc, x, y, cx, cy, xSrc, ySrc, cxSrc, cySrc, prcWBounds
      {.name = "Render", .call = [](P&, Args) -> Variant { raiseRuntimeError(5); }, .minArgs = 10, .maxArgs = 10},
  };
  return table;
}

Variant loadPicture(BuiltinCall& call) {
  if (call.interpreter && call.interpreter->sealed()) raiseRuntimeError(70);  // reads files
  // Null raises 94 and an array 13 through the conversion to text.
  std::string path = call.value(0).toString();
  if (path.empty()) raiseRuntimeError(kInvalidPicture);
  std::optional<fs::ImageSize> size = fs::readImageSize(path);
  if (!size || size->format == fs::ImageFormat::Png) raiseRuntimeError(kInvalidPicture);
  std::optional<int32_t> width = fs::toHimetric(size->width, size->unitsPerInch);
  std::optional<int32_t> height = fs::toHimetric(size->height, size->unitsPerInch);
  if (!width || !height) raiseRuntimeError(kInvalidPicture);
  return Variant(std::shared_ptr<Object>(std::make_shared<Picture>(pictureTypeOf(size->format), *width, *height)));
}

constexpr BuiltinFunction kPictureBuiltins[] = {
    {"LoadPicture", 1, 1, loadPicture},
};

}  // namespace

std::span<const BuiltinFunction> pictureBuiltins() { return kPictureBuiltins; }

}  // namespace corvela::vbs
