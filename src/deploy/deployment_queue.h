// Queuing a file that the engine has just written to every deploy task
// whose source folder holds it.
#pragma once

#include <string_view>

namespace corvela::deploy {

// True when `path` is the folder `directory` or lies below it: whole path
// segments compare exactly ("/site" holds "/site/a.htm", not "/site2/a.htm";
// "_" and "%" are plain characters). A "\" reads as "/"; a trailing "/" on
// the folder does not matter; an empty folder holds nothing.
bool folderHolds(std::string_view directory, std::string_view path);

// Loads each task whose directory holds the file's physical path, in the
// order of dep_task, and gives it AddFileToUpdate(path).
void QueueFileForDeployment(std::string_view path);

}  // namespace corvela::deploy
