// Regenerating many articles and index pages at once for `corvela
// generate`: the work is a list of units (one article, one channel index,
// one magazine), done by N worker threads that each keep their own engine
// objects, template system and database connection. All articles are
// written before any index page, since index pages list the articles' file
// names; so the files are the same whatever N is.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvela::tools {

struct GenerationWork {
  std::vector<int32_t> articles;   // Content.Generate (channel articles)
  std::vector<int32_t> channels;   // Channel.GenerateIndex
  std::vector<int32_t> magazines;  // Magazine.Generate (its issues, their articles, its columns)
  size_t size() const { return articles.size() + channels.size() + magazines.size(); }
};

struct GenerationOutcome {
  int created = 0;
  int overwritten = 0;
  int failed = 0;
  // One line per failed page or unit ("Error:" entries, raised errors).
  std::vector<std::string> failures;
};

// Called after each unit with the number done so far (from the worker
// that finished it, under the runner's lock).
using ProgressFn = std::function<void(size_t done)>;

GenerationOutcome runGeneration(const GenerationWork& work, int jobs, const ProgressFn& progress);

}  // namespace corvela::tools
