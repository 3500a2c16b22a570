// bench_upload: how fast the upload object takes apart a request body with
// one file (a text field before it, random binary data in it), and how much
// memory it needs at its peak compared with the body's size. Each size runs
// in a child process so that its peak is its own.
//
//   bench_upload [MB ...]    (default: 1 10 100)
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "upload/multipart_parser.h"
#include "upload/upload.h"

namespace {

constexpr std::string_view kBoundary = "------WebKitFormBoundaryq3BnZJx8V0xDk6Qe";

// Kilobytes of the process's resident set, now ("VmRSS") or at its peak
// ("VmHWM").
long statusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string_view(field).size() + 1);
  return -1;
}

// Lets VmHWM start again from the present resident set.
void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

std::vector<uint8_t> makeBody(size_t fileBytes) {
  std::string head = std::string(kBoundary) +
                     "\r\nContent-Disposition: form-data; name=\"title\"\r\n\r\nholiday pictures\r\n" +
                     std::string(kBoundary) +
                     "\r\nContent-Disposition: form-data; name=\"pic\"; filename=\"C:\\photos\\beach.bin\"\r\n"
                     "Content-Type: application/octet-stream\r\n\r\n";
  std::string tail = "\r\n" + std::string(kBoundary) + "--\r\n";
  std::vector<uint8_t> body;
  body.reserve(head.size() + fileBytes + tail.size());
  body.insert(body.end(), head.begin(), head.end());
  uint64_t state = 0x9E3779B97F4A7C15ull;
  for (size_t i = 0; i < fileBytes; ++i) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    body.push_back(static_cast<uint8_t>(state));
  }
  body.insert(body.end(), tail.begin(), tail.end());
  return body;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void measure(size_t megabytes) {
  const size_t fileBytes = megabytes * 1000 * 1000;
  const int rounds = megabytes >= 100 ? 3 : megabytes >= 10 ? 10 : 50;

  // Peak memory of one object from the moment its body is read, against
  // the body's size; measured first, while the process holds little else,
  // after a small body has brought the code in (its pages count as resident).
  { corvela::upload::upload warmUp(makeBody(1000)); }
  long before = statusKb("VmRSS:");
  resetPeak();
  {
    corvela::upload::upload up(makeBody(fileBytes));
  }
  long peak = statusKb("VmHWM:");

  std::vector<uint8_t> body = makeBody(fileBytes);
  const double mb = static_cast<double>(body.size()) / 1e6;
  double ratio = static_cast<double>(peak - before) * 1024 / (mb * 1e6);

  // The delimiter search alone.
  std::string_view view(reinterpret_cast<const char*>(body.data()), body.size());
  auto start = std::chrono::steady_clock::now();
  size_t parts = 0;
  for (int i = 0; i < rounds; ++i) parts += corvela::upload::parseMultipart(view).parts.size();
  double searchRate = mb * rounds / secondsSince(start);

  // The whole object: parse, decode the text, hand the file its bytes.
  double objectSeconds = 0;
  for (int i = 0; i < rounds; ++i) {
    std::vector<uint8_t> copy = body;
    start = std::chrono::steady_clock::now();
    corvela::upload::upload up(std::move(copy));
    objectSeconds += secondsSince(start);
    if (up.Files()->Count() != 1 || up.Files()->at(0)->FileSize().toLong() != static_cast<int32_t>(fileBytes)) {
      std::fprintf(stderr, "bench_upload: the file was not parsed whole\n");
      std::exit(1);
    }
  }
  double objectRate = mb * rounds / objectSeconds;

  std::printf("%4zu MB body: delimiter search %8.0f MB/s, upload object %8.0f MB/s, peak memory %7.1f MB (%.2fx body)%s\n",
              megabytes, searchRate, objectRate, static_cast<double>(peak - before) / 1024, ratio,
              parts == static_cast<size_t>(rounds) * 2 ? "" : " [wrong part count]");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<size_t> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
  if (sizes.empty()) sizes = {1, 10, 100};
  for (size_t megabytes : sizes) {
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
      measure(megabytes);
      std::fflush(stdout);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
  }
  return 0;
}
