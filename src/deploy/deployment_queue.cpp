// Finding the deploy tasks of a file and queuing it to each.
//
// The engine once chose the tasks with the condition
// '{path}' LIKE directory + '%', so a "_" or "%" in a folder name matched
// any character, and a task on /site also took every file of /site2. The
// tasks are read here and their folders compared as whole path segments.
#include "deploy/deployment_queue.h"

#include <string>
#include <vector>

#include "core/path_parts.h"
#include "deploy/deploy_task.h"
#include "platform/db/recordset.h"

namespace corvela::deploy {

bool folderHolds(std::string_view directory, std::string_view path) {
  std::string folder = core::NormaliseSeparators(core::trimSpaces(directory));
  std::string file = core::NormaliseSeparators(path);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder.empty() || file.compare(0, folder.size(), folder) != 0) return false;
  return file.size() == folder.size() || folder.back() == '/' || file[folder.size()] == '/';
}

void QueueFileForDeployment(std::string_view path) {
  std::vector<int32_t> holders;
  auto tasks = DeployTask().ListAll();
  for (; !tasks->eof(); tasks->moveNext()) {
    const Variant& directory = tasks->value("directory");
    if (!directory.isNull() && folderHolds(directory.toString(), path)) holders.push_back(tasks->value("id").toLong());
  }
  for (int32_t id : holders) {
    DeployTask task;
    task.Load(id);
    task.AddFileToUpdate(path);
  }
}

}  // namespace corvela::deploy
