// The compiled-template cache. A stat() per lookup is what keeps an edited
// template fresh; compiling happens outside the lock, so two threads that
// miss at once may both compile, and the later one's entry stands.
#include "template/compiled_template_cache.h"

#include <sys/stat.h>

#include <atomic>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/automation/com_error.h"
#include "platform/fs/file_system.h"
#include "platform/text/codepage.h"
#include "template/template_compiler.h"

namespace corvela::tmpl {
namespace {

struct FileStamp {
  off_t size = -1;
  timespec modified{};
  bool operator==(const FileStamp& o) const {
    return size == o.size && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
  }
};

struct CacheEntry {
  FileStamp stamp;
  std::shared_ptr<const CompiledTemplate> compiled;
};

std::mutex cacheMutex;
std::unordered_map<std::string, CacheEntry> cache;
std::atomic<unsigned long> compileCount{0};

bool stampOf(const std::string& path, FileStamp& stamp) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  stamp.size = info.st_size;
  stamp.modified = info.st_mtim;
  return true;
}

bool isBlank(std::string_view script) {
  return script.find_first_not_of(" \r\n") == std::string_view::npos;
}

}  // namespace

std::shared_ptr<const CompiledTemplate> compiledTemplateAt(std::string_view pathText, vbs::ScriptError& error) {
  std::string path(pathText);
  FileStamp stamp;
  if (!stampOf(path, stamp)) return nullptr;
  {
    std::lock_guard lock(cacheMutex);
    auto found = cache.find(path);
    if (found != cache.end() && found->second.stamp == stamp) return found->second.compiled;
  }

  std::string source;
  try {
    source = text::fromCodePage(fs::readFile(path));
  } catch (const ComError&) {
    return nullptr;  // a file that cannot be opened makes an empty page
  }
  ++compileCount;
  std::string script = compileTemplate(source);
  auto compiled = std::make_shared<CompiledTemplate>();
  if (!isBlank(script)) {
    compiled->program = vbs::ScriptEngine::compile(script, error);
    if (!compiled->program) return nullptr;
  }
  std::lock_guard lock(cacheMutex);
  cache[path] = CacheEntry{stamp, compiled};
  return compiled;
}

unsigned long templateCompileCount() { return compileCount.load(); }

}  // namespace corvela::tmpl
