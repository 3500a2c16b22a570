// The upload object: building the collections from the parsed body, saving
// and the name tests.
#include "upload/upload.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstring>

#include "platform/automation/com_error.h"
#include "platform/automation/member_binding.h"
#include "platform/fs/path_text.h"
#include "platform/text/codepage.h"
#include "upload/client_file_name.h"
#include "upload/multipart_parser.h"
#include "upload/request_body.h"
#include "upload/save_names.h"
#include "upload/upload_errors.h"

namespace corvela::upload {
namespace {

constexpr std::string_view kCopyrightText = "ZerinUpload 1.0: multipart/form-data upload component for Corvela";
constexpr std::string_view kNoBoundaryText = "分解字符串未找到，无法分解数据。";
constexpr std::string_view kUnsafeNameText = "文件名不安全，不能保存：";

std::string decoded(std::string_view bytes) { return text::fromCodePage(bytes); }

Variant bytesOf(std::string_view data) {
  return Variant::bytes(std::vector<uint8_t>(data.begin(), data.end()));
}

// The body's own storage, cut down to the file's bytes: the largest file
// costs no copy, so the peak stays near the body's size.
Variant bytesTakingBody(std::vector<uint8_t>& body, std::string_view data) {
  size_t offset = static_cast<size_t>(data.data() - reinterpret_cast<const char*>(body.data()));
  size_t size = data.size();
  std::memmove(body.data(), body.data() + offset, size);
  body.resize(size);
  // Keep no more than twice what the file needs.
  if (body.capacity() / 2 > size) body.shrink_to_fit();
  return Variant::bytes(std::move(body));
}

// Writes the file over the empty file that claimed its name; the claim goes
// again when the writer fails, so no empty file is left behind.
void saveOverClaim(cFile& file, const std::string& path) {
  try {
    file.SaveAS(path);
  } catch (...) {
    struct stat info;
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0) ::unlink(path.c_str());
    throw;
  }
}

}  // namespace

upload::upload() {
  ParseRequest(readRequestBody());
  end_ = std::chrono::steady_clock::now();
}

upload::upload(std::vector<uint8_t> body) {
  ParseRequest(std::move(body));
  end_ = std::chrono::steady_clock::now();
}

void upload::ParseRequest(std::vector<uint8_t> body) {
  totalBytes_ = static_cast<int32_t>(body.size());
  std::string_view view(reinterpret_cast<const char*>(body.data()), body.size());
  MultipartBody parsed = parseMultipart(view);
  if (!parsed.hasLineBreak) {
    parseError_ = kNoBoundaryText;
    return;
  }
  // The first field or file of a name wins; later ones are left out.
  struct KeptFile {
    std::shared_ptr<cFile> file;
    std::string_view data;
  };
  std::vector<KeptFile> kept;
  for (const MultipartPart& part : parsed.parts) {
    std::string name = decoded(part.name);
    if (!part.isFile) {
      if (!form_->hasKey(name)) form_->Add(name, decoded(part.data), name);
      continue;
    }
    // Decoded before the cut: a trail byte of a double-byte character may
    // look like "\".
    std::string fileName(withoutClientPath(decoded(part.fileName)));
    if (fileName.empty() || files_->hasKey(name)) continue;
    auto file = files_->Add(decoded(part.contentType), name, Variant(), fileName,
                            static_cast<int32_t>(part.data.size()), name);
    kept.push_back({file, part.data});
  }
  if (kept.empty()) return;
  size_t largest = 0;
  for (size_t i = 1; i < kept.size(); ++i)
    if (kept[i].data.size() > kept[largest].data.size()) largest = i;
  for (size_t i = 0; i < kept.size(); ++i)
    if (i != largest) kept[i].file->setFileContent(bytesOf(kept[i].data));
  // Last: this moves the body, which every other view points into.
  kept[largest].file->setFileContent(bytesTakingBody(body, kept[largest].data));
}

std::shared_ptr<cForm> upload::Form() {
  if (!form_) form_ = std::make_shared<cForm>();
  return form_;
}

std::shared_ptr<cFiles> upload::Files() {
  if (!files_) files_ = std::make_shared<cFiles>();
  return files_;
}

std::string upload::CopyrightInfo() const { return std::string(kCopyrightText); }

std::string upload::UsedTime() const {
  double seconds = std::chrono::duration<double>(end_ - start_).count();
  return Variant(std::round(seconds * 1000) / 1000).toString();
}

bool upload::FileFound(std::string_view File) const {
  if (File.empty() || File.find('\0') != std::string_view::npos) return false;
  struct stat info;
  return ::stat(fs::physicalPath(File).c_str(), &info) == 0;
}

bool upload::CheckFileType(std::string_view File, std::string_view tag) const {
  return extensionAllowed(File, tag);
}

std::string upload::Save(std::string_view FilePath, bool OverWrite) {
  std::string folder = fs::physicalPath(FilePath);
  if (!folder.empty() && folder.back() == '/') folder.pop_back();
  std::shared_ptr<cFiles> files = Files();
  size_t count = static_cast<size_t>(files->Count());
  for (size_t i = 0; i < count; ++i) {
    std::string name = files->at(i)->FileName().toString();
    if (!isSafeFileName(name)) throw ComError(kUnsafeFileNameError, kUploadErrorSource, std::string(kUnsafeNameText) + name);
  }
  std::string saved;
  for (size_t i = 0; i < count; ++i) {
    std::shared_ptr<cFile> file = files->at(i);
    std::string name = file->FileName().toString();
    if (OverWrite) {
      file->SaveAS(folder + "/" + name);
    } else {
      name = UniqueName(folder, name);
      file->setFileName(name);
      saveOverClaim(*file, folder + "/" + name);
    }
    if (i > 0) saved += ',';
    saved += name;
  }
  return saved;
}

std::string upload::NormalDir(std::string_view olddir) const { return fs::physicalPath(olddir); }

const DispatchTable<upload>& upload::dispatchTable() {
  static const DispatchTable<upload> table = Members<upload>()
      .property<&upload::Form, &upload::setForm>("Form")
      .property<&upload::Files, &upload::setFiles>("Files")
      .method<&upload::CopyrightInfo>("CopyrightInfo")
      .readOnly<&upload::UsedTime>("UsedTime")
      .readOnly<&upload::TotalBytes>("TotalBytes")
      .method<&upload::FileFound>("FileFound")
      .method<&upload::CheckFileType>("CheckFileType")
      .method<&upload::Save>("Save", {false})
      .method<&upload::NormalDir>("NormalDir")
      .build();
  return table;
}

}  // namespace corvela::upload
