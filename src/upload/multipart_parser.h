// The parse of a multipart/form-data request body as browsers send it:
//
//   --BOUNDARY CRLF
//   Content-Disposition: form-data; name="title" CRLF
//   CRLF
//   value CRLF
//   --BOUNDARY CRLF
//   Content-Disposition: form-data; name="pic"; filename="logo.gif" CRLF
//   Content-Type: image/gif CRLF
//   CRLF
//   file bytes CRLF
//   --BOUNDARY-- CRLF
//
// The boundary is the body's first line. A part ends only where a line break
// followed by the boundary line stands (the boundary text inside file data is
// data), and the boundary must be followed by a line break or "--". Header
// lines may come in any order and their names in any case. A part whose
// headers are cut off, that has no name, or after which no boundary follows
// (a truncated body) is left out. Everything returned points into the body
// and stays raw bytes: the caller decodes text.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvela::upload {

struct MultipartPart {
  std::string_view name;         // the name parameter
  bool isFile = false;           // a filename parameter was present
  std::string_view fileName;     // as the client sent it, path and all
  std::string_view contentType;  // the Content-Type header's value
  std::string_view data;         // value or file bytes
};

struct MultipartBody {
  bool hasLineBreak = false;  // false: no boundary line at all
  std::vector<MultipartPart> parts;
};

MultipartBody parseMultipart(std::string_view body);

}  // namespace corvela::upload
